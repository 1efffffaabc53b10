// Files that are not what the plugin expects: it keeps the built-in values
// where nothing usable is found, never throws, and never changes the user's
// files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#include "Lifecycle/IniFileThread.h"
#include "Lifecycle/PostDataLoad.h"
#include "Settings/GlobalSettings.h"
#include "Settings/Logging.h"
#include "Settings/ProfileDump.h"
#include "Settings/ProfileLoading.h"
#include "Settings/Profiles.h"
#include "SettingsTest.h"
#include "sim/host/Host.h"

namespace
{
	using testing::Contains;
	using testing::ElementsAre;
	using testing::ElementsAreArray;
	using testing::IsEmpty;
	using BadInput = test::SettingsTest;

	// The file watcher the installation starts is stopped: these tests say
	// when the files are read.
	void DeliverPostDataLoad()
	{
		sim::send_message(HandleOnPostDataLoad, SFSE::MessagingInterface::kPostDataLoad);
		StopIniFileThread();
	}

	std::string Junk(std::size_t a_size, unsigned a_seed)
	{
		std::mt19937 random(a_seed);
		std::string bytes(a_size, '\0');
		for (auto& byte : bytes) {
			byte = static_cast<char>(random() & 0xFF);
		}
		return bytes;
	}

	void ExpectUsableHotkeys()
	{
		for (const auto& p : Profiles) {
			for (const auto key : { p.iShowTimeEffectHotkey, p.iRearViewHotkey, p.iCompanionChatterHotkey }) {
				EXPECT_GE(key, 1) << p.sProfileName;
				EXPECT_LE(key, 254) << p.sProfileName;
			}
		}
	}

	TEST_F(BadInput, BinaryFilesAreReadWithoutHarmAndLeftAsTheyAre)
	{
		// Junk with a few lines that look like INI text in between.
		const auto vanilla = Junk(5000, 1) + "\r\n[Default]\r\niRearViewHotkey=0x52\r\n" + Junk(5000, 2);
		const auto custom = Junk(20000, 3);
		WritePluginFile("Tarmacor.ini", vanilla);
		WritePluginFile("TarmacorCustom.ini", custom);

		DeliverPostDataLoad();
		ReloadAllProfilesAndSettings(false);
		DumpAllProfiles();

		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), vanilla);
		EXPECT_EQ(ReadPluginFile("TarmacorCustom.ini"), custom);
		EXPECT_EQ(ReadPluginFile("Tarmacor_backup.ini"), vanilla);
		ExpectUsableHotkeys();
		const auto it = std::find_if(Profiles.begin(), Profiles.end(), [](const Profile& p) { return p.sProfileName == "Default"; });
		ASSERT_NE(it, Profiles.end());
		EXPECT_EQ(it->iRearViewHotkey, 0x52);
	}

	TEST_F(BadInput, VeryLongValuesAndLinesKeepTheDefaults)
	{
		const std::string name(300, 'N');
		// clang-format off
		const auto text = test::IniText({ "[Long]",
											  "fPlayerFirstPersonCameraOffsetMinX=" + std::string(20000, '9'),
											  "fPlayerFirstPersonCameraOffsetMaxY=-0." + std::string(9990, '0') + "1" + std::string(20000, '0'),
											  // Cut at 9999 characters, before its only non-zero digit.
											  "fPlayerFirstPersonCameraOffsetMaxZ=0." + std::string(20000, '0') + "5",
											  "iRearViewHotkey=" + std::string(20000, '0') + "51",
											  "iShowTimeEffectHotkey=0x" + std::string(20000, 'F'),
											  std::string(100000, 'x'),
											  "bSmartAim=" + std::string(20000, '1'),
											  "[" + name + "]",
											  "bRearView=0" }) +
		                  "[Cut]\r\nbExitAnywhere=0";  // no line end at the end of the file
		WritePluginFile("Tarmacor.ini", text);
		// clang-format on
		ReloadAllProfilesAndSettings(false);

		ASSERT_EQ(Profiles.size(), 3u);
		test::ExpectSameProfile(Profiles[0], [] {
			auto p = test::Defaults("Long");
			p.fPlayerFirstPersonCameraOffsetMaxZ = 0.0f;
			p.sPlayerFirstPersonCameraOffsetMaxZ = "0.000000";
			p.bSmartAim = false;
			return p;
		}());
		EXPECT_EQ(Profiles[1].sProfileName, name);
		EXPECT_FALSE(Profiles[1].bRearView);
		EXPECT_EQ(Profiles[2].sProfileName, "Cut");
		EXPECT_FALSE(Profiles[2].bExitAnywhere);
		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), text);
	}

	TEST_F(BadInput, RepeatedEmptyAndNamelessSectionsAndKeysOutsideSections)
	{
		// clang-format off
		WritePluginFile("Tarmacor.ini", test::IniText({ "bSmartAim=0", "[Default]", "bRearView=0", "[Empty]", "[]", "bExitAnywhere=0",
											"[Default]", "bRearView=1", "bCompanionChatter=0", "[ Spaced ]", "bSmartAim=0" }));
		// clang-format on
		ReloadAllProfilesAndSettings(false);

		// A repeated section is listed twice; lookups see its first copy.
		std::vector<std::string> names;
		for (const auto& p : Profiles) {
			names.push_back(p.sProfileName);
		}
		EXPECT_THAT(names, ElementsAre("Default", "Empty", "Default", "Spaced"));
		ASSERT_EQ(Profiles.size(), 4u);
		for (const auto index : { 0, 2 }) {
			EXPECT_FALSE(Profiles[index].bRearView);
			EXPECT_TRUE(Profiles[index].bCompanionChatter);
			EXPECT_TRUE(Profiles[index].bSmartAim);
		}
		test::ExpectSameProfile(Profiles[1], test::Defaults("Empty"));
		EXPECT_FALSE(Profiles[3].bSmartAim);
	}

	TEST_F(BadInput, FoldersWhereTheFilesShouldBe)
	{
		std::filesystem::create_directory(PluginFile("Tarmacor.ini"));
		std::filesystem::create_directory(PluginFile("TarmacorCustom.ini"));
		iTestStringValues = 5;
		DeliverPostDataLoad();

		EXPECT_TRUE(std::filesystem::is_directory(PluginFile("Tarmacor.ini")));
		EXPECT_TRUE(std::filesystem::is_directory(PluginFile("TarmacorCustom.ini")));
		EXPECT_FALSE(PluginFileExists("Tarmacor_backup.ini"));
		EXPECT_THAT(Profiles, IsEmpty());
		// The vanilla "file" exists but gives no key: the built-in values.
		EXPECT_EQ(iTestStringValues, 0);
		EXPECT_FALSE(bLogging);
		using namespace test::reload_log;
		const std::string noBackup = "error: [CreateBackupOfINI] could not create backup of INI [.\\Data\\SFSE\\Plugins\\Tarmacor.ini] to INI [.\\Data\\SFSE\\Plugins\\Tarmacor_backup.ini] | DoesFileExistEx";
		EXPECT_THAT(Entries(), ElementsAreArray(test::Lines({ { "info: [HandleOnPostDataLoad] kPostDataLoad", noBackup, ReadingVanilla, ReadingCustom }, Globals(0, 1, 0), NoProfiles })));
	}

	TEST_F(BadInput, TheCustomFileIsNeverWritten)
	{
		const auto custom = test::IniText({ "[Global]", "bLogging=1", "[Default]", "iRearViewHotkey=0x100", "bSmartAim=maybe" });
		WritePluginFile("TarmacorCustom.ini", custom);
		const auto before = std::filesystem::last_write_time(PluginFile("TarmacorCustom.ini"));

		DeliverPostDataLoad();
		ReloadAllProfilesAndSettings(false);

		EXPECT_EQ(ReadPluginFile("TarmacorCustom.ini"), custom);
		EXPECT_EQ(std::filesystem::last_write_time(PluginFile("TarmacorCustom.ini")), before);
		EXPECT_FALSE(PluginFileExists("TarmacorCustom_backup.ini"));
		ASSERT_EQ(Profiles.size(), 2u);
		EXPECT_EQ(Profiles[1].iRearViewHotkey, 0x51);
		EXPECT_FALSE(Profiles[1].bSmartAim);
	}

	TEST_F(BadInput, AUnicodeFileIsReadAsText)
	{
		const std::string ascii = test::IniText({ "[Default]", "bSmartAim=0" });
		std::string utf16 = "\xFF\xFE";
		for (const char c : ascii) {
			utf16 += c;
			utf16 += '\0';
		}
		WritePluginFile("Tarmacor.ini", utf16);
		ReloadAllProfilesAndSettings(false);
		ASSERT_EQ(Profiles.size(), 1u);
		EXPECT_EQ(Profiles[0].sProfileName, "Default");
		EXPECT_FALSE(Profiles[0].bSmartAim);
		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), utf16);
	}
}
