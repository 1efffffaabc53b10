#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "Settings/GlobalSettings.h"
#include "Settings/LoadedSettings.h"
#include "Settings/Logging.h"
#include "Settings/ProfileLoading.h"
#include "Settings/Profiles.h"
#include "SettingsTest.h"

namespace
{
	using testing::ElementsAre;
	using testing::ElementsAreArray;
	using testing::IsEmpty;
	using ProfileLoading = test::SettingsTest;

	TEST_F(ProfileLoading, ReadsEveryKeyOfASection)
	{
		WritePluginFile("Tarmacor.ini", test::IniText({
											"[Rover]",
											"iCompanionChatterHotkey=0x43",
											"bCompanionChatterAllowInThirdPerson=0",
											"bCompanionChatter=0",
											"bExitAnywhere=0",
											"bRearView=0",
											"bSmartAim=0",
											"fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode=120",
											"fPlayerFirstPersonCameraPanoramicAngleLeftRight=80.5",
											"fPlayerFirstPersonCameraPanoramicAngleDown=60",
											"fPlayerFirstPersonCameraPanoramicAngleUp=75",
											"fPlayerFirstPersonCameraOffsetMinZ=-0.1",
											"fPlayerFirstPersonCameraOffsetMinY=-0.2",
											"fPlayerFirstPersonCameraOffsetMaxX=0.3",
											"fPlayerFirstPersonCameraOffsetMaxZ=0.4",
											"fPlayerFirstPersonCameraOffsetMaxY=-1.5",
											"fPlayerFirstPersonCameraOffsetMinX=-0.5",
											"iRearViewHotkey=52",
											"iShowTimeEffectHotkey=0x46",
											"sProfileName=Other",
										}));
		Profile p;
		p.sProfileName = "Rover";
		ReloadSettings("Tarmacor", "Rover", &p);

		Profile expected;
		expected.sProfileName = "Rover";
		expected.iShowTimeEffectHotkey = 0x46;
		expected.iRearViewHotkey = 0x52;
		expected.iCompanionChatterHotkey = 0x43;
		expected.fPlayerFirstPersonCameraOffsetMinX = -0.5f;
		expected.fPlayerFirstPersonCameraOffsetMaxY = -1.5f;
		expected.fPlayerFirstPersonCameraOffsetMaxZ = 0.4f;
		expected.fPlayerFirstPersonCameraOffsetMaxX = 0.3f;
		expected.fPlayerFirstPersonCameraOffsetMinY = -0.2f;
		expected.fPlayerFirstPersonCameraOffsetMinZ = -0.1f;
		expected.fPlayerFirstPersonCameraPanoramicAngleUp = 75.0f;
		expected.fPlayerFirstPersonCameraPanoramicAngleDown = 60.0f;
		expected.fPlayerFirstPersonCameraPanoramicAngleLeftRight = 80.5f;
		expected.fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode = 120.0f;
		expected.bSmartAim = expected.bRearView = expected.bExitAnywhere = false;
		expected.bCompanionChatter = expected.bCompanionChatterAllowInThirdPerson = false;
		expected.sPlayerFirstPersonCameraOffsetMinX = "-0.500000";
		expected.sPlayerFirstPersonCameraOffsetMaxY = "-1.500000";
		expected.sPlayerFirstPersonCameraOffsetMaxZ = "0.400000";
		expected.sPlayerFirstPersonCameraOffsetMaxX = "0.300000";
		expected.sPlayerFirstPersonCameraOffsetMinY = "-0.200000";
		expected.sPlayerFirstPersonCameraOffsetMinZ = "-0.100000";
		expected.sPlayerFirstPersonCameraPanoramicAngleUp = "-75.000000";
		expected.sPlayerFirstPersonCameraPanoramicAngleDown = "60.000000";
		expected.sPlayerFirstPersonCameraPanoramicAngleLeftRight = "80.500000";
		expected.sPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode = "120.000000";
		test::ExpectSameProfile(p, expected);
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(ProfileLoading, HotkeysOutsideTheKeyRangeKeepTheDefault)
	{
		// clang-format off
		WritePluginFile("Tarmacor.ini", test::IniText({ "[A]", "iRearViewHotkey=0x100", "[B]", "iRearViewHotkey=0x0", "[C]", "iRearViewHotkey=",
											"[D]", "iRearViewHotkey=0x52", "[E]", "iRearViewHotkey=-1", "[F]", "iRearViewHotkey=Q" }));
		// clang-format on
		ReloadAllProfilesAndSettings(false);
		ASSERT_EQ(Profiles.size(), 6u);
		EXPECT_EQ(Profiles[0].iRearViewHotkey, 0x51);
		EXPECT_EQ(Profiles[1].iRearViewHotkey, 0x51);
		EXPECT_EQ(Profiles[2].iRearViewHotkey, 0x51);
		EXPECT_EQ(Profiles[3].iRearViewHotkey, 0x52);
		EXPECT_EQ(Profiles[4].iRearViewHotkey, 0x51);
		EXPECT_EQ(Profiles[5].iRearViewHotkey, 0x51);
	}

	TEST_F(ProfileLoading, ThePositiveUpAngleIsHandedOnNegated)
	{
		// clang-format off
		WritePluginFile("Tarmacor.ini", test::IniText({ "[A]", "fPlayerFirstPersonCameraPanoramicAngleUp=45", "[B]", "fPlayerFirstPersonCameraPanoramicAngleUp=-30",
											"[C]", "fPlayerFirstPersonCameraPanoramicAngleUp=up", "[D]", "fPlayerFirstPersonCameraPanoramicAngleUp=-0" }));
		// clang-format on
		ReloadAllProfilesAndSettings(false);
		ASSERT_EQ(Profiles.size(), 4u);
		EXPECT_EQ(Profiles[0].fPlayerFirstPersonCameraPanoramicAngleUp, 45.0f);
		EXPECT_EQ(Profiles[0].sPlayerFirstPersonCameraPanoramicAngleUp, "-45.000000");
		EXPECT_EQ(Profiles[1].fPlayerFirstPersonCameraPanoramicAngleUp, -30.0f);
		EXPECT_EQ(Profiles[1].sPlayerFirstPersonCameraPanoramicAngleUp, "-30.000000");
		// Not a number: the default, and its text.
		EXPECT_EQ(Profiles[2].fPlayerFirstPersonCameraPanoramicAngleUp, 90.0f);
		EXPECT_EQ(Profiles[2].sPlayerFirstPersonCameraPanoramicAngleUp, "-90.000000");
		EXPECT_EQ(Profiles[3].sPlayerFirstPersonCameraPanoramicAngleUp, "-0.000000");
	}

	TEST_F(ProfileLoading, OnlyTheText1SwitchesOn)
	{
		// clang-format off
		WritePluginFile("Tarmacor.ini", test::IniText({ "[A]", "bExitAnywhere=0", "[B]", "bExitAnywhere=true", "[C]", "bExitAnywhere=yes",
											"[D]", "bSmartAim=1", "[E]", "bExitAnywhere=\"1\"" }));
		// clang-format on
		ReloadAllProfilesAndSettings(false);
		ASSERT_EQ(Profiles.size(), 5u);
		EXPECT_FALSE(Profiles[0].bExitAnywhere);
		EXPECT_FALSE(Profiles[1].bExitAnywhere);
		EXPECT_FALSE(Profiles[2].bExitAnywhere);
		EXPECT_TRUE(Profiles[3].bExitAnywhere);
		// The platform takes the quotes off.
		EXPECT_TRUE(Profiles[4].bExitAnywhere);
	}

	TEST_F(ProfileLoading, VanillaThenCustomSectionsInFileOrderWithoutGlobal)
	{
		WritePluginFile("Tarmacor.ini", test::IniText({ "[Default]", "bSmartAim=1", "[GLOBAL]", "bLogging=1", "iRearViewHotkey=0x52", "[Rover Mk2]", "bRearView=0" }));
		WritePluginFile("TarmacorCustom.ini", test::IniText({ "[Default]", "bSmartAim=0", "[gLoBaL]", "iTestStringValues=3" }));
		bLogging = false;
		ReloadAllProfilesAndSettings(false);

		ASSERT_EQ(Profiles.size(), 3u);
		test::ExpectSameProfile(Profiles[0], test::Defaults("Default"));
		auto rover = test::Defaults("Rover Mk2");
		rover.bRearView = false;
		test::ExpectSameProfile(Profiles[1], rover);
		// Never merged: the custom Default starts from the built-in values.
		auto customDefault = test::Defaults("Default");
		customDefault.bSmartAim = false;
		test::ExpectSameProfile(Profiles[2], customDefault);
		EXPECT_EQ(iTestStringValues, 3);
		EXPECT_TRUE(bLogging);

		// clang-format off
		EXPECT_THAT(Entries(), ElementsAre(
								   "info: [ReloadGlobalSettings] reading settings from VanillaINI...",
								   "info: [ReloadGlobalSettings] reading settings from CustomINI...",
								   "info: [ReloadGlobalSettings] [Global] bLogging -> 1",
								   "info: [ReloadGlobalSettings] [Global] bCreateVanillaINIBackup -> 1",
								   "info: [ReloadGlobalSettings] [Global] iTestStringValues -> 3",
								   "info: [ReloadGlobalSettings] [Global] bReloadOnFileChange -> 1",
								   "info: [ReloadAllProfilesAndSettings] adding Profile [Default] from VanillaINI to Profiles | Profiles.size == 0",
								   "info: [ReloadAllProfilesAndSettings] adding Profile [Rover Mk2] from VanillaINI to Profiles | Profiles.size == 1",
								   "info: [ReloadAllProfilesAndSettings] adding Profile [Default] from CustomINI to Profiles | Profiles.size == 2"));
		// clang-format on
	}

	TEST_F(ProfileLoading, WithoutFilesProfilesEndEmptyAndLoggingGoesOff)
	{
		Profiles.push_back(test::Defaults("Stale"));
		CurrentProfile = test::Defaults("Active");
		ReloadAllProfilesAndSettings(false);
		EXPECT_THAT(Profiles, IsEmpty());
		EXPECT_EQ(CurrentProfile.sProfileName, "Active");
		EXPECT_FALSE(bLogging);
		EXPECT_THAT(Entries(), ElementsAreArray(test::reload_log::NoIniFiles));
	}

	TEST_F(ProfileLoading, OnlyCustomProfilesWhenTheVanillaFileIsMissing)
	{
		WritePluginFile("TarmacorCustom.ini", test::IniText({ "[Buggy]", "bSmartAim=0" }));
		ReloadAllProfilesAndSettings(false);
		ASSERT_EQ(Profiles.size(), 1u);
		EXPECT_EQ(Profiles[0].sProfileName, "Buggy");
		EXPECT_FALSE(Profiles[0].bSmartAim);
		EXPECT_THAT(Entries(), testing::Contains("warning: [ReloadAllProfilesAndSettings] VanillaINISectionNames.size == 0"));
	}

	TEST_F(ProfileLoading, TheReloadReportsEvenWhenLoggingWasOff)
	{
		WritePluginFile("Tarmacor.ini", test::IniText({ "[Default]", "[Global]", "bLogging=0" }));
		bLogging = false;
		ReloadAllProfilesAndSettings(false);
		EXPECT_FALSE(bLogging);
		const auto entries = Entries();
		ASSERT_FALSE(entries.empty());
		EXPECT_EQ(entries.front(), "info: [ReloadGlobalSettings] reading settings from VanillaINI...");
		EXPECT_EQ(entries.back(), "info: [ReloadAllProfilesAndSettings] logging was requested to be turned off");
	}

	TEST_F(ProfileLoading, OnlyTheReloadingThreadReportsWhileLoggingIsOff)
	{
		WritePluginFile("Tarmacor.ini", test::IniText({ "[Default]", "[Global]", "bLogging=0" }));
		bLogging = false;
		LoadedSettings aside;
		std::thread([&] {
			const ScopedForcedLogging reloading;  // as a reload on another thread
			LOG_INFO("the reload's own line");
			ReloadAllProfilesAndSettings(false, &aside);
		}).join();
		{
			const ScopedForcedLogging reloadingElsewhere;
			std::thread([] { LOG_INFO("a frame's line meanwhile"); }).join();
		}
		EXPECT_EQ(Entries().front(), "info: [operator()] the reload's own line");
		EXPECT_THAT(Entries(), testing::Not(testing::Contains("info: [operator()] a frame's line meanwhile")));
		// Read aside: nothing in force changed.
		EXPECT_FALSE(bLogging);
		EXPECT_TRUE(Profiles.empty());
		EXPECT_EQ(aside.profiles.size(), 1u);
	}

	TEST_F(ProfileLoading, TheBackupIsMadeBeforeAnyFileIsRead)
	{
		WritePluginFile("Tarmacor.ini", test::IniText({ "[Default]", "[Global]", "bLogging=1", "bCreateVanillaINIBackup=0" }));
		ReloadAllProfilesAndSettings(true);
		EXPECT_EQ(ReadPluginFile("Tarmacor_backup.ini"), ReadPluginFile("Tarmacor.ini"));
		const auto entries = Entries();
		ASSERT_GE(entries.size(), 2u);
		EXPECT_EQ(entries[0], "info: [CreateBackupOfINI] created backup of INI [.\\Data\\SFSE\\Plugins\\Tarmacor.ini] to INI [.\\Data\\SFSE\\Plugins\\Tarmacor_backup.ini]");
		EXPECT_EQ(entries[1], "info: [ReloadGlobalSettings] reading settings from VanillaINI...");

		// Without the request, no backup is touched.
		std::filesystem::remove(PluginFile("Tarmacor_backup.ini"));
		ReloadAllProfilesAndSettings(false);
		EXPECT_FALSE(PluginFileExists("Tarmacor_backup.ini"));
	}

	TEST_F(ProfileLoading, ReloadSettingsReportsWhatStopsIt)
	{
		ReloadSettings("Tarmacor", "Default", nullptr);
		Profile p = test::Defaults("Default");
		p.sPlayerFirstPersonCameraOffsetMinX.clear();
		ReloadSettings("TarmacorCustom", "Default", &p);
		// Nothing was read, so nothing was filled either.
		EXPECT_EQ(p.sPlayerFirstPersonCameraOffsetMinX, "");
		// clang-format off
		EXPECT_THAT(Entries(), ElementsAre(
								   "error: [ReloadSettings] could not reload settings from INI [Tarmacor] | applyToProfile",
								   "error: [ReloadSettings] could not reload settings from INI [TarmacorCustom] | DoesIniExist"));
		// clang-format on
	}
}
