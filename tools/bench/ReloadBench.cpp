// reload_bench: one reload of both INI files as the plugin does it, each
// profile section and each [Global] section read at once, beside the way it
// read them before, every key asked of the platform on its own (kept here
// only, as the comparison). For 10, 100 and 600 profiles of all eighteen
// keys in TarmacorCustom.ini, beside Tarmacor.ini as the plugin writes it.
// The two take turns, so that a slow moment of the machine hits both; both
// build their profiles aside and log into nothing, as the checker's reload
// does. Prints median and longest of several runs; asserts nothing, but says
// so when the two ways read other values.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include <spdlog/spdlog.h>

#include "Settings/DefaultIni.h"
#include "Settings/IniFile.h"
#include "Settings/LoadedSettings.h"
#include "Settings/Logging.h"
#include "Settings/ProfileFields.h"
#include "Settings/ProfileLoading.h"
#include "Settings/SectionNames.h"
#include "Timing.h"
#include "sim/GameFolder.h"

namespace
{
	using bench::Milliseconds;
	using bench::Summarize;
	using bench::Times;

	// Every key of the profile, its default text, with the hotkeys and one
	// offset varied from profile to profile.
	void WriteProfiles(const std::filesystem::path& a_plugins, int a_count)
	{
		std::filesystem::remove(a_plugins / "Tarmacor.ini");
		CreateDefaultIni();
		std::ofstream custom(a_plugins / "TarmacorCustom.ini", std::ios::binary | std::ios::trunc);
		for (int i = 0; i < a_count; ++i) {
			custom << "[Vehicle-" << i << "]\r\n";
			for (const auto& field : ProfileFields) {
				custom << field.sKey << '=';
				if (field.eKind == ProfileFieldKind::kHotkey) {
					custom << "0x" << std::hex << 0x41 + i % 26 << std::dec;
				} else if (field.sKey == "fPlayerFirstPersonCameraOffsetMaxY") {
					custom << -1.0 - i % 10 / 10.0;
				} else {
					custom << field.sDefaultText;
				}
				custom << "\r\n";
			}
		}
	}

	// The reload as the plugin did it before it read sections at once.
	void ReloadKeyByKey(LoadedSettings& a_into)
	{
		const ScopedForcedLogging reportsItself;
		a_into.profiles.clear();
		for (const auto file : { VanillaIniName, CustomIniName }) {
			if (DoesIniExist(std::string(file), "")) {
				for (const char* key : { "bLogging", "bCreateVanillaINIBackup", "iTestStringValues", "bReloadOnFileChange" }) {
					ReadIniValue(std::string(file), std::string(GlobalSectionName), key, "");
				}
			}
		}
		for (const auto file : { VanillaIniName, CustomIniName }) {
			const std::string baseName(file);
			for (const auto& name : GetIniSectionNames(std::string(GetPluginFolder()), baseName + ".ini")) {
				if (name.empty() || IsGlobalSectionName(name)) {
					continue;
				}
				Profile profile;
				profile.sProfileName = name;
				LOG_INFO("adding Profile [", name, "] from ", baseName, " to Profiles | Profiles.size == ", a_into.profiles.size());
				if (DoesIniExist(baseName, "")) {
					for (const auto& field : ProfileFields) {
						ApplyProfileFieldText(profile, field, ReadIniValue(baseName, name, std::string(field.sKey), ""));
					}
					FillValueTexts(profile);
				}
				a_into.profiles.push_back(std::move(profile));
			}
		}
	}

	bool AreSameProfiles(const std::vector<Profile>& a_left, const std::vector<Profile>& a_right)
	{
		return std::equal(a_left.begin(), a_left.end(), a_right.begin(), a_right.end(), [](const Profile& a_one, const Profile& a_other) {
			return a_one.sProfileName == a_other.sProfileName && std::all_of(ProfileFields.begin(), ProfileFields.end(), [&](const ProfileField& a_field) {
				switch (a_field.eKind) {
				case ProfileFieldKind::kHotkey: return a_one.*a_field.iHotkey == a_other.*a_field.iHotkey;
				case ProfileFieldKind::kFloat: return a_one.*a_field.fValue == a_other.*a_field.fValue && a_one.*a_field.sValueText == a_other.*a_field.sValueText;
				case ProfileFieldKind::kSwitch: return a_one.*a_field.bSwitch == a_other.*a_field.bSwitch;
				}
				return false;
			});
		});
	}

	void PrintRow(int a_profiles, Times a_measured, Times a_floorTimes)
	{
		char label[64];
		std::snprintf(label, sizeof(label), "reload, %d profiles of 18 keys", a_profiles);
		std::printf("%-38s %9.1f ms (longest %9.1f)   %-14s %9.1f ms (longest %9.1f)   ratio %.2f (longest %.2f)\n", label, a_measured.dMedian,
			a_measured.dLongest, "key by key", a_floorTimes.dMedian, a_floorTimes.dLongest, a_measured.dMedian / a_floorTimes.dMedian,
			a_measured.dLongest / a_floorTimes.dLongest);
	}
}

int main()
{
	spdlog::set_default_logger(std::make_shared<spdlog::logger>("bench-null"));
	SetPluginFolder(std::string(PluginFolder));
	sim::GameFolder game;
	for (const int profiles : { 10, 100, 600 }) {
		WriteProfiles(game.plugins(), profiles);
		LoadedSettings atOnce;
		LoadedSettings keyByKey;
		// The platform keeps the files it has parsed, but under Wine parses
		// a file written within the last two seconds anew at every call: the
		// runs start after that, and after one reload of each kind.
		::Sleep(2500);
		ReloadAllProfilesAndSettings(false, &atOnce);
		ReloadKeyByKey(keyByKey);
		if (!AreSameProfiles(atOnce.profiles, keyByKey.profiles)) {
			std::printf("the two reloads read other profiles for %d profiles\n", profiles);
		}
		const int runs = profiles >= 600 ? 7 : 11;
		std::vector<double> sections;
		std::vector<double> keys;
		for (int run = 0; run < runs; ++run) {
			sections.push_back(Milliseconds([&] { ReloadAllProfilesAndSettings(false, &atOnce); }));
			keys.push_back(Milliseconds([&] { ReloadKeyByKey(keyByKey); }));
		}
		PrintRow(profiles, Summarize(sections), Summarize(keys));
	}
	return 0;
}
