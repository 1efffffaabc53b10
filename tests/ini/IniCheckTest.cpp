#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <windows.h>

#include "IniText.h"
#include "PluginFile.h"
#include "RunIniChecker.h"
#include "Settings/IniFile.h"
#include "Settings/IniSection.h"
#include "Settings/ListedSection.h"
#include "Settings/SectionNames.h"
#include "Settings/SectionReading.h"
#include "TestLog.h"
#include "sim/GameFolder.h"

namespace
{
	using testing::Contains;
	using testing::ElementsAre;
	using testing::ElementsAreArray;
	using testing::HasSubstr;
	using testing::IsEmpty;

	using Lines = std::initializer_list<std::string_view>;

	struct CheckerRun
	{
		int iExit;
		std::string sOut;
		std::string sErr;
	};

	std::string ReadFile(const std::filesystem::path& a_path)
	{
		std::ifstream in(a_path, std::ios::binary);
		return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
	}

	// A game folder as the current directory, its plugin folder holding the
	// INI files a case writes.
	class IniChecker : public testing::Test
	{
	protected:
		void Write(std::string_view a_file, Lines a_lines) const
		{
			test::WritePluginFile(game.plugins(), a_file, test::IniText(a_lines));
		}

		static CheckerRun Run(std::vector<std::string> a_arguments = {})
		{
			std::ostringstream out;
			std::ostringstream err;
			const int exit = RunIniChecker(a_arguments, out, err);
			return { exit, out.str(), err.str() };
		}

		// The warning lines of a report, without their lead.
		static std::vector<std::string> Warnings(const CheckerRun& a_run)
		{
			std::vector<std::string> warnings;
			std::istringstream lines(a_run.sOut);
			constexpr std::string_view lead = "  warning: ";
			for (std::string line; std::getline(lines, line);) {
				if (line.starts_with(lead)) {
					warnings.push_back(line.substr(lead.size()));
				}
			}
			return warnings;
		}

		// The lines under a_heading, up to the next empty one.
		static std::vector<std::string> Block(const std::string& a_out, std::string_view a_heading)
		{
			std::vector<std::string> lines;
			const auto at = a_out.find("\n" + std::string(a_heading) + "\n");
			if (at == std::string::npos) {
				return lines;
			}
			std::istringstream rest(a_out.substr(at + a_heading.size() + 2));
			for (std::string line; std::getline(rest, line) && !line.empty();) {
				lines.push_back(line);
			}
			return lines;
		}

		sim::GameFolder game;
	};

	struct WarningCase
	{
		const char* sName;
		Lines vanilla;
		Lines custom;  // empty: no custom file
		const char* sWarning;
	};

	// Each case holds one mistake, so its report has exactly one warning.
	const WarningCase WarningCases[] = {
		{ "UnknownKeyWithTheKeyMeant", { "[Default]", "fPlayerFirstPersonCameraOfsetMinX=-0.6" }, {},
			"Tarmacor.ini [Default] fPlayerFirstPersonCameraOfsetMinX: unknown key, the plugin ignores it; did you mean fPlayerFirstPersonCameraOffsetMinX?" },
		{ "UnknownGlobalKey", { "[Default]", "[Global]", "bLoging=1" }, {},
			"Tarmacor.ini [Global] bLoging: unknown key, the plugin ignores it; did you mean bLogging?" },
		{ "GlobalKeyInAProfile", { "[Default]", "bLogging=1" }, {},
			"Tarmacor.ini [Default] bLogging: is a [Global] setting; in a profile the plugin ignores it" },
		{ "ProfileKeyInGlobal", { "[Default]", "[Global]", "bSmartAim=0" }, {},
			"Tarmacor.ini [Global] bSmartAim: is a profile setting; in [Global] the plugin ignores it (put it into a profile such as [Default])" },
		{ "FloatThatIsNoNumber", { "[Default]", "fPlayerFirstPersonCameraOffsetMinX=left" }, {},
			"Tarmacor.ini [Default] fPlayerFirstPersonCameraOffsetMinX: \"left\" is not a number the plugin reads; the default -0.58 applies" },
		{ "DecimalComma", { "[Default]" }, { "[REV-8]", "fPlayerFirstPersonCameraOffsetMaxZ=0,5" },
			"TarmacorCustom.ini [REV-8] fPlayerFirstPersonCameraOffsetMaxZ: \"0,5\" reads as 0: the rest, \",5\", is ignored" },
		{ "HotkeyZero", { "[Default]", "iRearViewHotkey=0x0" }, {},
			"Tarmacor.ini [Default] iRearViewHotkey: \"0x0\" is outside 1 to 254; the default 0x51 (Q) applies" },
		{ "HotkeyAboveTheRange", { "[Default]", "iShowTimeEffectHotkey=0x100" }, {},
			"Tarmacor.ini [Default] iShowTimeEffectHotkey: \"0x100\" is outside 1 to 254; the default 0x20 (Space) applies" },
		{ "SwitchWrittenAsAWord", { "[Default]", "bRearView=true" }, {},
			"Tarmacor.ini [Default] bRearView: \"true\" reads as off: a switch is on only for 1" },
		{ "KeyWithoutValue", { "[Default]", "bSmartAim=" }, {},
			"Tarmacor.ini [Default] bSmartAim: has no value; the default 1 (on) applies" },
		{ "SectionTwiceInAFile", { "[Default]", "[Default]", "bSmartAim=0" }, {},
			"Tarmacor.ini [Default]: appears twice in Tarmacor.ini: the plugin reads only the first, and the keys of this one are never read" },
		{ "SectionInBothFiles", { "[Default]", "[REV-8]" }, { "[REV-8]", "bSmartAim=0" },
			"TarmacorCustom.ini [REV-8]: is also in Tarmacor.ini: a vehicle named REV-8 gets the one from Tarmacor.ini, the first in load order; this one is never used" },
		{ "NamesDifferingInCaseAcrossFiles", { "[Default]", "[REV-8]" }, { "[rev-8]" },
			"TarmacorCustom.ini [rev-8]: differs from [REV-8] in Tarmacor.ini only in case: vehicle names match exactly, so a vehicle gets at most one of them" },
		{ "NamesDifferingInCaseInAFile", { "[Default]" }, { "[REV-8]", "[Rev-8]" },
			"TarmacorCustom.ini [Rev-8]: differs from [REV-8] only in case: within one file the plugin finds only the first of them, so this profile reads the keys of [REV-8]" },
		{ "MissingVanillaFile", {}, { "[REV-8]" },
			"Tarmacor.ini: is missing: the plugin writes it with the Default profile (and bLogging=0) on its next start" },
		{ "BackupSwitchedOff", { "[Default]", "[Global]", "bCreateVanillaINIBackup=0" }, {},
			"Tarmacor.ini [Global] bCreateVanillaINIBackup: is only read and reported: the plugin copies Tarmacor.ini to Tarmacor_backup.ini at every start either way" },
		{ "TestSwitchZeroInTheCustomFile", { "[Default]", "[Global]", "iTestStringValues=5" }, { "[Global]", "iTestStringValues=0" },
			"TarmacorCustom.ini [Global] iTestStringValues: 0 doesn't turn the test switch off: the plugin takes only 1 to 254 here and keeps 5 from Tarmacor.ini" },
		{ "CustomGlobalWithoutValue", { "[Default]", "[Global]", "bLogging=1" }, { "[Global]", "bLogging=" },
			"TarmacorCustom.ini [Global] bLogging: has no value; 1 (on) applies, as without the key" },
		{ "OneKeyForTwoFeatures", { "[Default]", "iCompanionChatterHotkey=0x51" }, {},
			"Tarmacor.ini [Default] iCompanionChatterHotkey: is 0x51 (Q) like iRearViewHotkey: one key for two features" },
		{ "NoProfileAtAll", { "[Global]", "bLogging=0" }, {},
			"Tarmacor.ini: holds no profile, nor does TarmacorCustom.ini: the plugin leaves the game's camera settings as they are" },
		// Views: a view section is never taken for a profile.
		{ "ViewOfNoProfile", { "[Default]", "[REV-8]" }, { "[rev-8 #far]", "fPlayerFirstPersonCameraOffsetMaxZ=0.9" },
			"TarmacorCustom.ini [rev-8 #far]: is a view of [rev-8], but there is no profile [rev-8]: the plugin never uses it (did you mean [REV-8 #far]? Names match exactly)" },
		{ "ProfileKeyInAView", { "[Default]", "iCycleViewHotkey=0x56", "[Default #high]", "bSmartAim=0", "fPlayerFirstPersonCameraOffsetMaxZ=0.9" }, {},
			"Tarmacor.ini [Default #high] bSmartAim: is not a camera key: a view sets only the six offsets and four angles, so the plugin ignores it here and the value of [Default] applies" },
		{ "UnknownKeyInAView", { "[Default]", "iCycleViewHotkey=0x56" }, { "[Default #high]", "fPlayerFirstPersonCameraOfsetMaxZ=0.9" },
			"TarmacorCustom.ini [Default #high] fPlayerFirstPersonCameraOfsetMaxZ: unknown key, the plugin ignores it; did you mean fPlayerFirstPersonCameraOffsetMaxZ?" },
		{ "ViewValueThatIsNoNumber", { "[Default]", "iCycleViewHotkey=0x56", "[Default #high]", "fPlayerFirstPersonCameraOffsetMaxZ=up" }, {},
			"Tarmacor.ini [Default #high] fPlayerFirstPersonCameraOffsetMaxZ: \"up\" is not a number the plugin reads; the value of [Default] applies" },
		{ "ViewsWithoutTheirHotkey", { "[Default]", "[Default #high]", "[REV-8]", "iCycleViewHotkey=0x56", "[REV-8 #far]" }, { "[Default #low]" },
			"Tarmacor.ini [Default] iCycleViewHotkey: no key is set, so the plugin never shows the views high, low of [Default]: set it to the key that steps through the profile and its views, such as 0x56 (V)" },
		{ "ViewHotkeyForTwoFeatures", { "[Default]", "iCycleViewHotkey=0x51" }, {},
			"Tarmacor.ini [Default] iCycleViewHotkey: is 0x51 (Q) like iRearViewHotkey: one key for two features" },
		{ "ViewLabelGivenTwice", { "[Default]", "iCycleViewHotkey=0x56", "[Default #high]" }, { "[Default #high]" },
			"TarmacorCustom.ini [Default #high]: [Default] already has a view labelled high, in Tarmacor.ini: give each view a label of its own, the view hotkey tells views apart by their labels" },
		{ "ViewWithoutALabel", { "[Default]", "iCycleViewHotkey=0x56", "[Default #]" }, {},
			"Tarmacor.ini [Default #]: has no label after \" #\": give it one, the view hotkey tells views apart by their labels" },
	};

	void PrintTo(const WarningCase& a_case, std::ostream* a_out)
	{
		*a_out << a_case.sName;
	}

	class IniCheckerWarning : public IniChecker, public testing::WithParamInterface<WarningCase>
	{
	};

	TEST_P(IniCheckerWarning, IsReportedOnceWithExitStatusOne)
	{
		const auto& warningCase = GetParam();
		if (warningCase.vanilla.size() != 0) {
			Write("Tarmacor.ini", warningCase.vanilla);
		}
		if (warningCase.custom.size() != 0) {
			Write("TarmacorCustom.ini", warningCase.custom);
		}
		const auto run = Run();
		EXPECT_THAT(Warnings(run), ElementsAre(warningCase.sWarning)) << run.sOut;
		EXPECT_EQ(run.iExit, 1);
		EXPECT_THAT(run.sErr, IsEmpty());
	}

	INSTANTIATE_TEST_SUITE_P(EachMistake, IniCheckerWarning, testing::ValuesIn(WarningCases),
		[](const testing::TestParamInfo<WarningCase>& a_info) { return std::string(a_info.param.sName); });

	TEST_F(IniChecker, EveryValueShowsWhereItComesFromInLoadOrder)
	{
		Write("Tarmacor.ini", { "[Default]", "iRearViewHotkey=0x52", "fPlayerFirstPersonCameraPanoramicAngleUp=-30", "[Global]", "bLogging=0" });
		Write("TarmacorCustom.ini", { "[Global]", "bLogging=1", "bReloadOnFileChange=0", "[REV-8]", "fPlayerFirstPersonCameraPanoramicAngleUp=45.5", "bSmartAim=0" });
		const auto run = Run();
		EXPECT_EQ(run.iExit, 0) << run.sOut;
		const auto& out = run.sOut;
		EXPECT_THAT(out, HasSubstr("  bLogging = 1 (on) (TarmacorCustom.ini)\n      Logging is on"));
		EXPECT_THAT(out, HasSubstr("  bCreateVanillaINIBackup = 1 (on) (built-in default)\n"));
		EXPECT_THAT(out, HasSubstr("  bReloadOnFileChange = 0 (off) (TarmacorCustom.ini)\n      Off: your edits take effect at the next save or load"));
		EXPECT_THAT(out, HasSubstr("any other vehicle gets [Default], the first profile."));
		const auto vanilla = out.find("  1. [Default] from Tarmacor.ini\n");
		const auto custom = out.find("  2. [REV-8] from TarmacorCustom.ini\n");
		ASSERT_NE(vanilla, std::string::npos);
		ASSERT_NE(custom, std::string::npos);
		EXPECT_LT(vanilla, custom);
		const auto row = [&](std::size_t a_from, std::string_view a_key) {
			const auto start = out.find(std::string("    ") + std::string(a_key) + " ", a_from);
			return start == std::string::npos ? std::string() : out.substr(start, out.find('\n', start) - start);
		};
		EXPECT_THAT(row(vanilla, "iRearViewHotkey"), testing::MatchesRegex(" *iRearViewHotkey *= 0x52 \\(R\\) *Tarmacor.ini"));
		EXPECT_THAT(row(vanilla, "iShowTimeEffectHotkey"), testing::MatchesRegex(" *iShowTimeEffectHotkey *= 0x20 \\(Space\\) *built-in default"));
		// The game is given a positive up angle negated, any other as it is.
		EXPECT_THAT(row(custom, "fPlayerFirstPersonCameraPanoramicAngleUp"), testing::MatchesRegex(" *fPlayerFirstPersonCameraPanoramicAngleUp *= 45.5 *TarmacorCustom.ini \\(the game's minimum pitch: -45.5\\)"));
		EXPECT_THAT(row(vanilla, "fPlayerFirstPersonCameraPanoramicAngleUp"), testing::MatchesRegex(" *fPlayerFirstPersonCameraPanoramicAngleUp *= -30 *Tarmacor.ini \\(the game's minimum pitch: -30\\)"));
		EXPECT_THAT(row(custom, "fPlayerFirstPersonCameraPanoramicAngleDown"), testing::MatchesRegex(" *fPlayerFirstPersonCameraPanoramicAngleDown *= 70 *built-in default"));
		EXPECT_THAT(row(custom, "bSmartAim"), testing::MatchesRegex(" *bSmartAim *= 0 \\(off\\) *TarmacorCustom.ini"));
		EXPECT_THAT(row(custom, "iRearViewHotkey"), testing::MatchesRegex(" *iRearViewHotkey *= 0x51 \\(Q\\) *built-in default"));
		EXPECT_THAT(out, HasSubstr("\nNo warnings: the plugin reads every value as written.\n"));
		// Without views, as before them: the eighteen keys, and no word of
		// the key a player adds for views.
		EXPECT_EQ(Block(out, "  1. [Default] from Tarmacor.ini").size(), 18u);
		EXPECT_EQ(Block(out, "  2. [REV-8] from TarmacorCustom.ini").size(), 18u);
		EXPECT_THAT(out, testing::Not(HasSubstr("iCycleViewHotkey")));
	}

	// Views of both files under the profile of their name, in load order;
	// each camera value from the view or, as the profile has it, from the
	// profile; the SVG draws them too.
	TEST_F(IniChecker, ViewsShowUnderTheirProfileWithWhereEachValueComesFrom)
	{
		Write("Tarmacor.ini", { "[Default]", "fPlayerFirstPersonCameraOffsetMaxZ=0.7", "[REV-8 #far]", "fPlayerFirstPersonCameraPanoramicAngleUp=45" });
		Write("TarmacorCustom.ini", { "[REV-8]", "iCycleViewHotkey=0x56", "fPlayerFirstPersonCameraOffsetMinY=-0.3", "[REV-8 #near]", "fPlayerFirstPersonCameraOffsetMaxZ=0.2" });
		const auto run = Run({ "--svg", "camera.svg" });
		EXPECT_EQ(run.iExit, 0) << run.sOut;
		const auto& out = run.sOut;
		EXPECT_THAT(out, HasSubstr("Profiles, in load order: 2\n"));
		EXPECT_EQ(Block(out, "  1. [Default] from Tarmacor.ini").size(), 18u);
		const auto profile = Block(out, "  2. [REV-8] from TarmacorCustom.ini");
		ASSERT_EQ(profile.size(), 19u) << out;
		EXPECT_THAT(profile.back(), testing::MatchesRegex(" *iCycleViewHotkey *= 0x56 \\(V\\) *TarmacorCustom.ini"));
		const auto farView = Block(out, "    2.1 [REV-8 #far] from Tarmacor.ini");
		const auto nearView = Block(out, "    2.2 [REV-8 #near] from TarmacorCustom.ini");
		ASSERT_EQ(farView.size(), 11u) << out;
		ASSERT_EQ(nearView.size(), 11u) << out;
		EXPECT_EQ(farView[0], "      A view of [REV-8], never a profile: a vehicle named \"REV-8 #far\" would not match it, as vehicle names with \" #\" are not known in the game.");
		// The rows in ProfileFields' order: MaxZ third, MinY fifth, Up seventh.
		EXPECT_THAT(farView[3], testing::MatchesRegex(" *fPlayerFirstPersonCameraOffsetMaxZ *= 0.55 *profile, built-in default"));
		EXPECT_THAT(farView[5], testing::MatchesRegex(" *fPlayerFirstPersonCameraOffsetMinY *= -0.3 *profile, TarmacorCustom.ini"));
		EXPECT_THAT(farView[7], testing::MatchesRegex(" *fPlayerFirstPersonCameraPanoramicAngleUp *= 45 *view, Tarmacor.ini \\(the game's minimum pitch: -45\\)"));
		EXPECT_THAT(nearView[3], testing::MatchesRegex(" *fPlayerFirstPersonCameraOffsetMaxZ *= 0.2 *view, TarmacorCustom.ini"));
		EXPECT_THAT(nearView[7], testing::MatchesRegex(" *fPlayerFirstPersonCameraPanoramicAngleUp *= 90 *profile, built-in default .*"));
		const auto svg = ReadFile(game.root() / "camera.svg");
		EXPECT_THAT(svg, HasSubstr(">[REV-8 #near] from TarmacorCustom.ini, a view of [REV-8]<"));
		EXPECT_THAT(svg, HasSubstr(">Z: min 0, max 0.2<"));
	}

	TEST_F(IniChecker, ReadsWithoutWritingAnything)
	{
		Write("Tarmacor.ini", { "[Default]", "bSmartAim=true" });
		const auto before = ReadFile(game.plugins() / "Tarmacor.ini");
		const auto files = [&] {
			std::vector<std::filesystem::path> names;
			for (const auto& entry : std::filesystem::directory_iterator(game.plugins())) {
				names.push_back(entry.path().filename());
			}
			std::sort(names.begin(), names.end());
			return names;
		};
		const auto filesBefore = files();
		EXPECT_EQ(Run().iExit, 1);
		EXPECT_EQ(ReadFile(game.plugins() / "Tarmacor.ini"), before);
		EXPECT_EQ(files(), filesBefore);
	}

	TEST_F(IniChecker, CommentLinesAndKeysInAnyCaseAreFine)
	{
		Write("Tarmacor.ini", { "; my settings", "[Default]", "; the rear view on Q", "irearviewhotkey=0x51", "# old style", "[global]", "BLOGGING=0" });
		const auto run = Run();
		EXPECT_EQ(run.iExit, 0) << run.sOut;
	}

	TEST_F(IniChecker, TheShippedExampleReadsWithoutWarnings)
	{
		std::filesystem::copy_file(test::executable_folder() / "TarmacorCustom.example.ini", game.plugins() / "TarmacorCustom.ini");
		Write("Tarmacor.ini", { "[Default]", "[Global]", "bLogging=0" });
		const auto run = Run();
		EXPECT_THAT(Warnings(run), IsEmpty()) << run.sOut;
		EXPECT_THAT(run.sOut, HasSubstr("  2. [REV-8] from TarmacorCustom.ini\n"));
	}

	TEST_F(IniChecker, RunInsideThePluginFolderChecksThatFolder)
	{
		Write("Tarmacor.ini", { "[Default]" });
		std::filesystem::current_path(game.plugins());
		const auto run = Run();
		EXPECT_EQ(run.iExit, 0) << run.sErr;
		EXPECT_THAT(run.sOut, testing::StartsWith("Tarmacor INI check of .\\\n  Tarmacor.ini: found\n"));
	}

	// The checker reads a section at once and works out what reading it key
	// by key gives; the platform's own answers are the reference.
	TEST_F(IniChecker, ASectionReadAtOnceAnswersAsReadsKeyByKey)
	{
		std::string text = test::IniText({ "; top", "[A]", "k1 = v1 ", "bare", "empty=", "q1=\"quoted\"", "q2='single'", "q3=\"half", "q4=\"\"",
			"q5=\"a\" b\"", "q6=\"", "dup=first", "DUP=second", ";c=comment", "#h=hash", "=novalue", "eq=a=b", "bSmartAim", "bSmartAim=0",
			"[a]", "k1=second", "[Long]" });
		// Longer than the first buffer the section is read into.
		for (int i = 0; i < 1000; ++i) {
			text += "key" + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
		}
		text += test::IniText({ "[A]", "k1=third" });
		std::ofstream(game.plugins() / "Tarmacor.ini", std::ios::binary) << text;

		const std::string folder(PluginFolder);
		SetPluginFolder(folder);
		const std::string path = folder + "Tarmacor.ini";
		const std::vector<std::string> keys = { "k1", "K1", "bare", "empty", "q1", "q2", "q3", "q4", "q5", "q6", "dup", "#h", "eq", "bSmartAim", "missing", "key0", "key999" };
		for (const std::string section : { "A", "a", "Long", "None" }) {
			SCOPED_TRACE(section);
			const SectionReading reading(std::string(VanillaIniName), section);
			const auto platformKeys = ReadSectionNames([&](char* a_buffer, std::size_t a_size) -> std::size_t {
				return ::GetPrivateProfileStringA(section.c_str(), nullptr, "", a_buffer, static_cast<DWORD>(a_size), path.c_str());
			});
			EXPECT_EQ(reading.GetKeys(), platformKeys.names);
			const auto listed = ReadIniSectionLines(VanillaIniName, section, folder);
			ASSERT_TRUE(listed.complete);
			for (const auto& key : keys) {
				EXPECT_EQ(reading.GetValue(key), ReadIniValue(std::string(VanillaIniName), section, key, folder)) << key;
				// Only a key listed without a value is asked of the platform.
				const bool listedBare = std::find(listed.lines.begin(), listed.lines.end(), key) != listed.lines.end();
				EXPECT_EQ(FindListedValue(listed.lines, key).has_value(), !listedBare) << key;
			}
		}
	}

	// The program itself, as a player starts it: its exit status and the
	// picture it draws.
	TEST_F(IniChecker, TheProgramReportsDrawsAndExitsWithItsStatus)
	{
		Write("Tarmacor.ini", { "[Default]", "[REV-8]", "bRearView=yes" });
		const auto program = test::executable_folder() / L"tarmacor-ini.exe";
		std::wstring commandLine = L"\"" + program.wstring() + L"\" --svg camera.svg";
		STARTUPINFOW startup{};
		startup.cb = sizeof(startup);
		PROCESS_INFORMATION process{};
		ASSERT_TRUE(::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
		::WaitForSingleObject(process.hProcess, INFINITE);
		DWORD exitCode = 0;
		::GetExitCodeProcess(process.hProcess, &exitCode);
		::CloseHandle(process.hThread);
		::CloseHandle(process.hProcess);
		EXPECT_EQ(exitCode, 1u);
		const auto svg = ReadFile(game.root() / "camera.svg");
		EXPECT_THAT(svg, HasSubstr("<svg"));
		EXPECT_THAT(svg, HasSubstr("REV-8"));
	}

	struct FolderCase
	{
		const char* sName;
		std::vector<std::string> arguments;
		int iExit;
		const char* sErr;  // a part of the error output; empty: none
	};

	void PrintTo(const FolderCase& a_case, std::ostream* a_out)
	{
		*a_out << a_case.sName;
	}

	class IniCheckerFolder : public IniChecker, public testing::WithParamInterface<FolderCase>
	{
	};

	// The game folder holds Data\SFSE\Plugins\Tarmacor.ini, a folder named
	// "Plugins\TarmacorCustom.ini" under "Broken", and a plain file.
	TEST_P(IniCheckerFolder, FindsTheFilesOrSaysWhyNot)
	{
		Write("Tarmacor.ini", { "[Default]" });
		std::filesystem::create_directories(game.root() / "Broken" / "TarmacorCustom.ini");
		std::ofstream(game.root() / "notes.txt") << "x";
		const auto& folderCase = GetParam();
		auto arguments = folderCase.arguments;
		for (auto& argument : arguments) {
			if (argument == "<plugins>") {
				argument = game.plugins().string();
			}
		}
		const auto run = Run(arguments);
		EXPECT_EQ(run.iExit, folderCase.iExit) << run.sOut << run.sErr;
		if (*folderCase.sErr) {
			EXPECT_THAT(run.sErr, HasSubstr(folderCase.sErr));
		} else {
			EXPECT_THAT(run.sErr, IsEmpty());
			EXPECT_THAT(run.sOut, HasSubstr("  Tarmacor.ini: found\n"));
		}
	}

	const FolderCase FolderCases[] = {
		{ "TheGameFoldersPluginFolder", {}, 0, "" },
		{ "GivenWithSlashesAndNoDot", { "Data/SFSE/Plugins" }, 0, "" },
		{ "GivenAbsolute", { "<plugins>" }, 0, "" },
		{ "MissingFolder", { "Data\\SFSE\\Plugin" }, 2, "there is no folder .\\Data\\SFSE\\Plugin\\" },
		{ "AFileForAFolder", { "notes.txt" }, 2, "is a file, not a folder" },
		{ "AFolderForAFile", { "Broken" }, 2, "TarmacorCustom.ini is a folder, not a file" },
		{ "SvgWithoutAFile", { "--svg" }, 2, "--svg needs a file name" },
		{ "UnknownOption", { "--verbose" }, 2, "unexpected argument \"--verbose\"" },
		{ "SvgIntoAFolder", { "--svg", "Broken" }, 2, "can't write Broken" },
	};

	INSTANTIATE_TEST_SUITE_P(Arguments, IniCheckerFolder, testing::ValuesIn(FolderCases),
		[](const testing::TestParamInfo<FolderCase>& a_info) { return std::string(a_info.param.sName); });
}
