#include "IniCheck.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <memory>
#include <utility>

#include <windows.h>

#include <fmt/format.h>
#include <spdlog/spdlog.h>

#include "ClosestKey.h"
#include "IniValues.h"
#include "KeyNames.h"
#include "Settings/AsciiCase.h"
#include "Settings/GlobalSettings.h"
#include "Settings/IniFile.h"
#include "Settings/Logging.h"
#include "Settings/ProfileLoading.h"
#include "Settings/Profiles.h"
#include "Settings/SectionNames.h"
#include "Settings/SectionReading.h"
#include "Settings/ValueParsing.h"
#include "Settings/ValueText.h"
#include "ValueCheck.h"

std::string_view GetValueSourceText(ValueSource a_source) noexcept
{
	switch (a_source) {
	case ValueSource::kVanillaFile: return "Tarmacor.ini";
	case ValueSource::kCustomFile: return "TarmacorCustom.ini";
	case ValueSource::kBuiltInDefault: return "built-in default";
	}
	return {};
}

namespace
{
	struct IniSource
	{
		ValueSource eSource;
		std::string sBaseName;
		std::string sFileName;
		bool bFound;
	};

	IniSource MakeSource(ValueSource a_source, std::string_view a_baseName)
	{
		return { a_source, std::string(a_baseName), std::string(a_baseName) + ".ini", false };
	}

	// Wine reads a line starting with ";" as a key without a value; Windows
	// as a comment. Either way the plugin makes nothing of it.
	bool IsCommentKey(std::string_view a_key) noexcept
	{
		return !a_key.empty() && (a_key.front() == ';' || a_key.front() == '#');
	}

	bool HasKey(const std::vector<std::string>& a_keys, std::string_view a_key) noexcept
	{
		for (const auto& key : a_keys) {
			if (EqualsIgnoringCase(key, a_key)) {
				return true;
			}
		}
		return false;
	}

	enum class SectionKind
	{
		kGlobal,
		kProfile,
		kView,
	};

	class Checker
	{
	public:
		explicit Checker(IniCheck& a_check) :
			_check(a_check)
		{}

		void Warn(const IniSource& a_file, std::string_view a_section, std::string_view a_key, std::string a_message)
		{
			Warn(a_file.sFileName, a_section, a_key, std::move(a_message));
		}

		void Warn(std::string_view a_fileName, std::string_view a_section, std::string_view a_key, std::string a_message)
		{
			_check.warnings.push_back({ std::string(a_fileName), std::string(a_section), std::string(a_key), std::move(a_message) });
		}

		// One value: whether the plugin takes it from the file, and a
		// warning for anything the player probably meant otherwise;
		// a_instead says what applies when the text gives nothing.
		bool CheckValue(const IniSource& a_file, std::string_view a_section, std::string_view a_key, IniValueKind a_kind,
			const std::string& a_text, bool a_keyPresent, std::string_view a_instead)
		{
			const auto check = CheckValueText(a_kind, a_text);
			switch (check.eReading) {
			case ValueReading::kRead:
				return true;
			case ValueReading::kEmpty:
				if (a_keyPresent) {
					Warn(a_file, a_section, a_key, fmt::format("has no value; {}", a_instead));
				}
				return false;
			case ValueReading::kNotANumber:
				Warn(a_file, a_section, a_key, fmt::format("\"{}\" is not a number the plugin reads; {}", a_text, a_instead));
				return false;
			case ValueReading::kOutOfRange:
				Warn(a_file, a_section, a_key, a_kind == IniValueKind::kFloat ? fmt::format("\"{}\" is out of the range of a float; {}", a_text, a_instead) : fmt::format("\"{}\" is outside 1 to 254; {}", a_text, a_instead));
				return false;
			case ValueReading::kLeadingPartOnly:
				Warn(a_file, a_section, a_key, fmt::format("\"{}\" reads as {}: the rest, \"{}\", is ignored", a_text, check.sReadPart, check.sIgnoredPart));
				return true;
			case ValueReading::kSwitchOff:
				Warn(a_file, a_section, a_key, fmt::format("\"{}\" reads as off: a switch is on only for 1", a_text));
				return true;
			}
			return false;
		}

		// Keys the plugin doesn't read in this section: unknown ones (with
		// the likely meant one), those of another kind of section, repeats.
		// a_viewOf: for a view, its profile's name.
		void CheckKeys(const IniSource& a_file, const std::string& a_section, const std::vector<std::string>& a_keys, SectionKind a_kind, std::string_view a_viewOf = {})
		{
			const bool globalSection = a_kind == SectionKind::kGlobal;
			std::vector<std::string_view> known;
			if (globalSection) {
				for (const auto& global : GlobalKeys) {
					known.push_back(global.sKey);
				}
			} else {
				for (const auto& field : ProfileFields) {
					known.push_back(field.sKey);
				}
			}
			for (std::size_t i = 0; i < a_keys.size(); ++i) {
				const auto& key = a_keys[i];
				if (IsCommentKey(key)) {
					continue;
				}
				WarnIfRepeated(a_file, a_section, a_keys, i);
				const bool isGlobal = FindGlobalKey(key) != nullptr;
				const auto* field = FindProfileFieldIgnoringCase(key);
				const bool isProfile = field != nullptr;
				if (globalSection ? isGlobal : isProfile && (a_kind == SectionKind::kProfile || IsViewField(*field))) {
					continue;
				}
				if (globalSection && isProfile) {
					Warn(a_file, a_section, key, "is a profile setting; in [Global] the plugin ignores it (put it into a profile such as [Default])");
				} else if (isProfile) {
					// A view's key a view doesn't set.
					Warn(a_file, a_section, key, fmt::format("is not a camera key: a view sets only the six offsets and four angles, so the plugin ignores it here and the value of [{}] applies", a_viewOf));
				} else if (isGlobal) {
					Warn(a_file, a_section, key, a_kind == SectionKind::kView ? "is a [Global] setting; in a view the plugin ignores it" : "is a [Global] setting; in a profile the plugin ignores it");
				} else if (const auto closest = FindClosestKey(key, known)) {
					Warn(a_file, a_section, key, fmt::format("unknown key, the plugin ignores it; did you mean {}?", *closest));
				} else {
					Warn(a_file, a_section, key, "unknown key, the plugin ignores it");
				}
			}
		}

	private:
		void WarnIfRepeated(const IniSource& a_file, std::string_view a_section, const std::vector<std::string>& a_keys, std::size_t a_index)
		{
			for (std::size_t j = 0; j < a_index; ++j) {
				if (EqualsIgnoringCase(a_keys[j], a_keys[a_index])) {
					Warn(a_file, a_section, a_keys[a_index], "appears more than once in the section; only the first counts");
					return;
				}
			}
		}

		IniCheck& _check;
	};

	// The platform's answer for the file, as far as the checker needs it;
	// an error text when the file is there but can't be read.
	std::string QueryIniFile(const std::string& a_folder, IniSource& a_file)
	{
		const auto path = a_folder + a_file.sFileName;
		if (path.size() > MaxIniPathLength) {
			return fmt::format("{} is longer than the {} characters the INI functions take", path, MaxIniPathLength);
		}
		const auto query = QueryPath(path);
		switch (query.kind) {
		case PathKind::kMissing:
			return {};
		case PathKind::kFolder:
			return fmt::format("{} is a folder, not a file", path);
		case PathKind::kUnknown:
			return fmt::format("can't look at {} (error {})", path, query.error);
		case PathKind::kFile:
			break;
		}
		const HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
		if (handle == INVALID_HANDLE_VALUE) {
			return fmt::format("can't read {} (error {})", path, ::GetLastError());
		}
		::CloseHandle(handle);
		a_file.bFound = true;
		return {};
	}

	// The plugin's own reload, quiet: its log lines would only repeat what
	// the report says.
	void LoadAsThePluginDoes(const std::string& a_folder)
	{
		spdlog::set_default_logger(std::make_shared<spdlog::logger>("tarmacor-ini"));
		SetPluginFolder(a_folder);
		bCreateVanillaINIBackup = true;
		iTestStringValues = 0;
		bReloadOnFileChange = true;
		ReloadAllProfilesAndSettings(false);
	}

	ValueSource& GetGlobalSource(CheckedGlobals& a_globals, std::string_view a_key) noexcept
	{
		if (a_key == "bLogging") {
			return a_globals.eLoggingSource;
		}
		if (a_key == "bCreateVanillaINIBackup") {
			return a_globals.eBackupSource;
		}
		return a_key == "bReloadOnFileChange" ? a_globals.eReloadSource : a_globals.eTestStringValuesSource;
	}

	std::string DescribeGlobalValue(const CheckedGlobals& a_globals, std::string_view a_key)
	{
		if (a_key == "bLogging") {
			return DescribeSwitch(a_globals.bLogging);
		}
		if (a_key == "bCreateVanillaINIBackup") {
			return DescribeSwitch(a_globals.bCreateVanillaINIBackup);
		}
		return a_key == "bReloadOnFileChange" ? DescribeSwitch(a_globals.bReloadOnFileChange) : fmt::format("{}", a_globals.iTestStringValues);
	}

	// Where each global value comes from, by the rules of the reload: the
	// vanilla file first (a key it doesn't give takes the built-in value),
	// then the keys the custom file gives (one it doesn't give keeps what
	// the vanilla file made of it).
	void FindGlobalSources(Checker& a_checker, SectionReadings& a_readings, const IniSource& a_vanilla, const IniSource& a_custom, CheckedGlobals& a_globals)
	{
		a_globals.eLoggingSource = ValueSource::kBuiltInDefault;
		a_globals.eBackupSource = ValueSource::kBuiltInDefault;
		a_globals.eTestStringValuesSource = ValueSource::kBuiltInDefault;
		a_globals.eReloadSource = ValueSource::kBuiltInDefault;
		for (const auto* file : { &a_vanilla, &a_custom }) {
			if (!file->bFound) {
				continue;
			}
			const std::string section(GlobalSectionName);
			const auto& reading = a_readings.Get(file->sBaseName, section);
			for (const auto& global : GlobalKeys) {
				const auto text = reading.GetValue(global.sKey);
				// A custom value the plugin refuses leaves the one it ends with.
				const auto instead = file->eSource == ValueSource::kCustomFile ? DescribeGlobalValue(a_globals, global.sKey) + " applies, as without the key" : "the default " + std::string(global.sDefault) + " applies";
				if (!a_checker.CheckValue(*file, section, global.sKey, global.eKind, text, HasKey(reading.GetKeys(), global.sKey), instead)) {
					continue;
				}
				// The test switch takes only 1 to 254 from a file: a 0 keeps
				// what was there.
				if (global.eKind == IniValueKind::kInteger && ParseIntegerValue(text).value_or(0) == 0) {
					if (file->eSource == ValueSource::kCustomFile && a_globals.iTestStringValues != 0) {
						a_checker.Warn(*file, section, global.sKey, fmt::format("0 doesn't turn the test switch off: the plugin takes only 1 to 254 here and keeps {} from Tarmacor.ini", a_globals.iTestStringValues));
					}
					continue;
				}
				GetGlobalSource(a_globals, global.sKey) = file->eSource;
			}
		}
		if (!a_globals.bCreateVanillaINIBackup) {
			a_checker.Warn(a_globals.eBackupSource == ValueSource::kCustomFile ? a_custom : a_vanilla, GlobalSectionName, "bCreateVanillaINIBackup",
				"is only read and reported: the plugin copies Tarmacor.ini to Tarmacor_backup.ini at every start either way");
		}
	}

	// The sections met so far, kept by what a later one named alike is told
	// about: the first of each name without regard to case, and of the
	// [Global] sections the first in each file (each file has its own, and
	// the custom one's keys win).
	class EarlierSections
	{
	public:
		using Section = std::pair<const IniSource*, std::string>;

		const Section* Find(const IniSource& a_file, const std::string& a_name) const
		{
			const auto found = _first.find(GetKey(a_file, a_name));
			return found == _first.end() ? nullptr : &found->second;
		}

		void Add(const IniSource& a_file, const std::string& a_name) { _first.emplace(GetKey(a_file, a_name), Section{ &a_file, a_name }); }

	private:
		static std::string GetKey(const IniSource& a_file, const std::string& a_name)
		{
			auto key = ToLowerAscii(a_name);
			if (IsGlobalSectionName(a_name)) {
				key += '\0';
				key += a_file.sFileName;
			}
			return key;
		}

		std::map<std::string, Section> _first;
	};

	// Sections named alike: within a file the platform finds only the first
	// (names compare without case there), across files a vehicle gets the
	// first in load order; and vehicles match names exactly.
	bool WarnIfNamedAlike(Checker& a_checker, const IniSource& a_file, const std::string& a_name, const EarlierSections& a_earlier)
	{
		const auto* earlier = a_earlier.Find(a_file, a_name);
		if (!earlier) {
			return false;
		}
		const auto& [file, name] = *earlier;
		const bool sameFile = file == &a_file;
		const bool sameName = name == a_name;
		if (sameFile) {
			a_checker.Warn(a_file, a_name, {}, sameName ? fmt::format("appears twice in {}: the plugin reads only the first, and the keys of this one are never read", a_file.sFileName) : fmt::format("differs from [{}] only in case: within one file the plugin finds only the first of them, so this profile reads the keys of [{}]", name, name));
		} else if (sameName) {
			a_checker.Warn(a_file, a_name, {}, fmt::format("is also in {}: a vehicle named {} gets the one from {}, the first in load order; this one is never used", file->sFileName, a_name, file->sFileName));
		} else {
			a_checker.Warn(a_file, a_name, {}, fmt::format("differs from [{}] in {} only in case: vehicle names match exactly, so a vehicle gets at most one of them", name, file->sFileName));
		}
		return sameFile;
	}

	void WarnIfHotkeysShared(Checker& a_checker, const IniSource& a_file, const Profile& a_profile)
	{
		struct UsedHotkey
		{
			std::string_view sKey;
			std::int32_t iCode;
			bool bUsed;
		};
		const UsedHotkey hotkeys[] = {
			{ "iShowTimeEffectHotkey", a_profile.iShowTimeEffectHotkey, a_profile.bSmartAim },
			{ "iRearViewHotkey", a_profile.iRearViewHotkey, a_profile.bRearView },
			{ "iCompanionChatterHotkey", a_profile.iCompanionChatterHotkey, a_profile.bCompanionChatter },
			{ "iCycleViewHotkey", a_profile.iCycleViewHotkey, a_profile.iCycleViewHotkey != 0 },
		};
		for (std::size_t i = 0; i < std::size(hotkeys); ++i) {
			for (std::size_t j = i + 1; j < std::size(hotkeys); ++j) {
				if (hotkeys[i].bUsed && hotkeys[j].bUsed && hotkeys[i].iCode == hotkeys[j].iCode) {
					a_checker.Warn(a_file, a_profile.sProfileName, hotkeys[j].sKey, fmt::format("is {} like {}: one key for two features", DescribeHotkey(hotkeys[j].iCode), hotkeys[i].sKey));
				}
			}
		}
	}

	// A view section named alike to an earlier one of its file reads that
	// one's keys, as a profile's does; across files each is a view of its
	// own (a label given twice is told about with the views).
	bool ReadsAnotherSection(Checker& a_checker, const IniSource& a_file, const std::string& a_name, const EarlierSections& a_earlier)
	{
		const auto* earlier = a_earlier.Find(a_file, a_name);
		if (!earlier || earlier->first != &a_file) {
			return false;
		}
		if (earlier->second != a_name) {
			a_checker.Warn(a_file, a_name, {}, fmt::format("differs from [{0}] only in case: within one file the plugin finds only the first of them, so this view reads the keys of [{0}]", earlier->second));
		}
		return true;
	}

	// Each view finds its profile, the first named exactly as the part
	// before " #"; what keeps a view from being seen is told here.
	void AttachViews(Checker& a_checker, IniCheck& a_check)
	{
		auto& profiles = a_check.profiles;
		std::vector<std::vector<const CheckedView*>> viewsOf(profiles.size());
		for (auto& checked : a_check.views) {
			const auto& view = checked.view;
			const auto file = GetValueSourceText(checked.eFile);
			for (std::size_t i = 0; i < profiles.size() && !checked.iProfile; ++i) {
				if (profiles[i].profile.sProfileName == view.sProfileName) {
					checked.iProfile = i;
				}
			}
			if (!checked.iProfile) {
				std::string message = fmt::format("is a view of [{0}], but there is no profile [{0}]: the plugin never uses it", view.sProfileName);
				for (const auto& profile : profiles) {
					if (EqualsIgnoringCase(TrimBlanks(profile.profile.sProfileName), TrimBlanks(view.sProfileName))) {
						message += fmt::format(" (did you mean [{} #{}]? Names match exactly)", profile.profile.sProfileName, view.sLabel);
						break;
					}
				}
				a_checker.Warn(file, checked.sSection, {}, std::move(message));
				continue;
			}
			auto& siblings = viewsOf[*checked.iProfile];
			if (view.sLabel.empty()) {
				a_checker.Warn(file, checked.sSection, {}, "has no label after \" #\": give it one, the view hotkey tells views apart by their labels");
			} else if (const auto same = std::find_if(siblings.begin(), siblings.end(), [&](const CheckedView* a_other) { return a_other->view.sLabel == view.sLabel; });
					   same != siblings.end()) {
				a_checker.Warn(file, checked.sSection, {}, fmt::format("[{}] already has a view labelled {}, in {}: give each view a label of its own, the view hotkey tells views apart by their labels", view.sProfileName, view.sLabel, GetValueSourceText((*same)->eFile)));
			}
			siblings.push_back(&checked);
		}
		for (std::size_t i = 0; i < profiles.size(); ++i) {
			const auto& profile = profiles[i].profile;
			if (viewsOf[i].empty() || profile.iCycleViewHotkey != 0) {
				continue;
			}
			std::string labels;
			for (const auto* view : viewsOf[i]) {
				labels += labels.empty() ? "" : ", ";
				labels += view->view.sLabel;
			}
			a_checker.Warn(GetValueSourceText(profiles[i].eFile), profile.sProfileName, "iCycleViewHotkey",
				fmt::format("no key is set, so the plugin never shows the view{} {} of [{}]: set it to the key that steps through the profile and its views, such as 0x56 (V)",
					viewsOf[i].size() == 1 ? "" : "s", labels, profile.sProfileName));
		}
	}
}

namespace
{
	// One profile as the plugin read it, with each value's source; a section
	// that reads another's keys (a repeated name) was checked with that one.
	CheckedProfile CheckProfileSection(Checker& a_checker, const IniSource& a_file, const std::string& a_name, const SectionReading& a_reading,
		bool a_readsAnother, const Profile& a_profile)
	{
		CheckedProfile profile{ a_profile, a_file.eSource, {} };
		if (!a_readsAnother) {
			a_checker.CheckKeys(a_file, a_name, a_reading.GetKeys(), SectionKind::kProfile);
		}
		for (std::size_t i = 0; i < ProfileFields.size(); ++i) {
			const auto& field = ProfileFields[i];
			const auto kind = GetValueKind(field);
			const auto text = a_reading.GetValue(field.sKey);
			const bool fromFile = a_readsAnother ? TakesValueFromText(CheckValueText(kind, text).eReading) : a_checker.CheckValue(a_file, a_name, field.sKey, kind, text, HasKey(a_reading.GetKeys(), field.sKey), "the default " + DescribeFieldValue(Profile{}, field) + " applies");
			profile.eSources[i] = fromFile ? a_file.eSource : ValueSource::kBuiltInDefault;
		}
		if (!a_readsAnother) {
			WarnIfHotkeysShared(a_checker, a_file, profile.profile);
		}
		return profile;
	}

	// One view as the plugin read it; its keys checked against what a view
	// takes, and a value it doesn't take leaves its profile's.
	CheckedView CheckViewSection(Checker& a_checker, const IniSource& a_file, const std::string& a_name, const SectionReading& a_reading,
		bool a_readsAnother, const ProfileView& a_view)
	{
		if (!a_readsAnother) {
			a_checker.CheckKeys(a_file, a_name, a_reading.GetKeys(), SectionKind::kView, a_view.sProfileName);
			for (const auto& field : ProfileFields) {
				if (IsViewField(field)) {
					a_checker.CheckValue(a_file, a_name, field.sKey, GetValueKind(field), a_reading.GetValue(field.sKey), HasKey(a_reading.GetKeys(), field.sKey),
						fmt::format("the value of [{}] applies", a_view.sProfileName));
				}
			}
		}
		return { a_view, a_file.eSource, a_name, std::nullopt };
	}

	// What a missing Tarmacor.ini will hold: the plugin writes it on its
	// next start with the built-in Default.
	CheckedProfile GetProfileToBeWritten()
	{
		CheckedProfile written{ Profile{}, ValueSource::kVanillaFile, {} };
		written.profile.sProfileName = "Default";
		FillValueTexts(written.profile);
		written.eSources.fill(ValueSource::kBuiltInDefault);
		return written;
	}
}

IniCheck CheckIniFiles(const std::string& a_folder)
{
	IniCheck check;
	check.sFolder = a_folder;
	// A file's path with a backslash at the end names nothing at all.
	auto bare = a_folder;
	if (bare.size() > 1 && bare.ends_with('\\') && !bare.ends_with(":\\")) {
		bare.pop_back();
	}
	if (const auto folder = QueryPath(bare); folder.kind != PathKind::kFolder) {
		check.sError = folder.kind == PathKind::kFile ? fmt::format("{} is a file, not a folder", a_folder) : fmt::format("there is no folder {}", a_folder);
		return check;
	}
	auto vanilla = MakeSource(ValueSource::kVanillaFile, VanillaIniName);
	auto custom = MakeSource(ValueSource::kCustomFile, CustomIniName);
	for (auto* file : { &vanilla, &custom }) {
		if (auto error = QueryIniFile(a_folder, *file); !error.empty()) {
			check.sError = std::move(error);
			return check;
		}
	}
	check.bVanillaFound = vanilla.bFound;
	check.bCustomFound = custom.bFound;

	LoadAsThePluginDoes(a_folder);
	check.globals.bLogging = bLogging;
	check.globals.bCreateVanillaINIBackup = bCreateVanillaINIBackup;
	check.globals.iTestStringValues = iTestStringValues;
	check.globals.bReloadOnFileChange = bReloadOnFileChange;

	Checker checker(check);
	if (!vanilla.bFound) {
		checker.Warn(vanilla, {}, {}, "is missing: the plugin writes it with the Default profile (and bLogging=0) on its next start");
		check.profiles.push_back(GetProfileToBeWritten());
	}
	SectionReadings readings;
	FindGlobalSources(checker, readings, vanilla, custom, check.globals);

	// The same walk as the reload's, so that the i-th profile found here is
	// the plugin's i-th.
	std::size_t iProfileIndex = 0;
	std::size_t iViewIndex = 0;
	EarlierSections earlier;
	for (const auto* file : { &vanilla, &custom }) {
		if (!file->bFound) {
			continue;
		}
		for (const auto& name : GetIniSectionNames(a_folder, file->sFileName)) {
			if (name.empty()) {
				checker.Warn(*file, {}, {}, "has a section without a name ([]); the plugin skips it");
				continue;
			}
			const auto& reading = readings.Get(file->sBaseName, name);
			if (SplitViewSectionName(name)) {
				const bool readsAnother = ReadsAnotherSection(checker, *file, name, earlier);
				earlier.Add(*file, name);
				if (iViewIndex >= ProfileViews.size()) {
					check.sError = "the plugin read fewer views than the files hold";
					return check;
				}
				check.views.push_back(CheckViewSection(checker, *file, name, reading, readsAnother, ProfileViews[iViewIndex++]));
				continue;
			}
			const bool readsAnother = WarnIfNamedAlike(checker, *file, name, earlier);
			earlier.Add(*file, name);
			if (IsGlobalSectionName(name)) {
				if (!readsAnother) {
					checker.CheckKeys(*file, name, reading.GetKeys(), SectionKind::kGlobal);
				}
				continue;
			}
			if (iProfileIndex >= Profiles.size()) {
				check.sError = "the plugin read fewer profiles than the files hold";
				return check;
			}
			check.profiles.push_back(CheckProfileSection(checker, *file, name, reading, readsAnother, Profiles[iProfileIndex++]));
		}
	}
	if (iProfileIndex != Profiles.size() || iViewIndex != ProfileViews.size()) {
		check.sError = iProfileIndex != Profiles.size() ? "the plugin read more profiles than the files hold" : "the plugin read more views than the files hold";
		return check;
	}
	AttachViews(checker, check);
	if (check.profiles.empty()) {
		checker.Warn(vanilla, {}, {}, "holds no profile, nor does TarmacorCustom.ini: the plugin leaves the game's camera settings as they are");
	}
	return check;
}
