#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "Lifecycle/IniFileThread.h"
#include "Lifecycle/PostDataLoad.h"
#include "Settings/DefaultIni.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"
#include "SettingsTest.h"
#include "sim/host/Host.h"

namespace
{
	using testing::Contains;
	using testing::ElementsAre;
	using testing::ElementsAreArray;
	using testing::IsEmpty;
	using PostDataLoad = test::SettingsTest;

	// The file watcher the installation starts is stopped: these tests say
	// when the files are read.
	void Deliver(std::uint32_t a_type)
	{
		sim::send_message(HandleOnPostDataLoad, a_type);
		StopIniFileThread();
	}

	const std::string DefaultFile = test::IniText({
		"[Default]",
		"iShowTimeEffectHotkey=0x20",
		"iRearViewHotkey=0x51",
		"fPlayerFirstPersonCameraOffsetMinX=-0.58",
		"fPlayerFirstPersonCameraOffsetMaxY=-2.0",
		"fPlayerFirstPersonCameraOffsetMaxZ=0.55",
		"fPlayerFirstPersonCameraOffsetMaxX=0.0",
		"fPlayerFirstPersonCameraOffsetMinY=0.0",
		"fPlayerFirstPersonCameraOffsetMinZ=0.0",
		"fPlayerFirstPersonCameraPanoramicAngleUp=90.0",
		"fPlayerFirstPersonCameraPanoramicAngleDown=70.0",
		"fPlayerFirstPersonCameraPanoramicAngleLeftRight=90.0",
		"fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode=100.0",
		"bSmartAim=1",
		"bRearView=1",
		"bExitAnywhere=1",
		"bCompanionChatter=1",
		"bCompanionChatterAllowInThirdPerson=1",
		"iCompanionChatterHotkey=0xA0",
		"[Global]",
		"bLogging=0",
		"bCreateVanillaINIBackup=1",
	});

	TEST_F(PostDataLoad, FirstStartWritesTheDefaultFileAndLoadsOneDefaultProfile)
	{
		Deliver(SFSE::MessagingInterface::kPostDataLoad);

		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), DefaultFile);
		EXPECT_EQ(ReadPluginFile("Tarmacor_backup.ini"), DefaultFile);
		EXPECT_FALSE(PluginFileExists("TarmacorCustom.ini"));
		ASSERT_EQ(Profiles.size(), 1u);
		test::ExpectSameProfile(Profiles[0], test::Defaults("Default"));

		// The written file turns logging off, so the dump stays silent.
		EXPECT_FALSE(bLogging);
		using namespace test::reload_log;
		const std::string backup = "info: [CreateBackupOfINI] created backup of INI [.\\Data\\SFSE\\Plugins\\Tarmacor.ini] to INI [.\\Data\\SFSE\\Plugins\\Tarmacor_backup.ini]";
		const std::string added = "info: [ReloadAllProfilesAndSettings] adding Profile [Default] from VanillaINI to Profiles | Profiles.size == 0";
		EXPECT_THAT(Entries(), ElementsAreArray(test::Lines({ { "info: [HandleOnPostDataLoad] kPostDataLoad", backup, ReadingVanilla, NoCustomIni }, Globals(0, 1, 0), { added, NoProfiles[1], NoProfiles[2] } })));
	}

	TEST_F(PostDataLoad, AnExistingFileIsKeptAndTheProfilesAreDumped)
	{
		const auto user = test::IniText({ "[Global]", "bLogging=1", "[Default]", "bSmartAim=0" });
		WritePluginFile("Tarmacor.ini", user);
		Deliver(SFSE::MessagingInterface::kPostDataLoad);

		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), user);
		EXPECT_TRUE(bLogging);
		const auto entries = Entries();
		EXPECT_THAT(entries, Contains("info: [DumpAllProfiles]  ----------------- BEGIN ---------------- "));
		EXPECT_THAT(entries, Contains("info: [DumpAllProfiles] [Profile: 0]"));
		EXPECT_THAT(entries, Contains("info: [DumpProfileInfo] [Default] bSmartAim -> 0"));
		// Ten lines of the reload, then the markers, "[Profile: 0]" and
		// eighteen rows; the installation goes on after them.
		const auto end = std::find(entries.begin(), entries.end(), "info: [DumpAllProfiles]  ----------------- END ---------------- ");
		ASSERT_NE(end, entries.end());
		EXPECT_EQ(end - entries.begin() + 1, 10 + 21);
		EXPECT_EQ(entries.back(), "info: [HandleOnPostDataLoad] Installation complete");
	}

	TEST_F(PostDataLoad, OtherMessagesAreIgnored)
	{
		Deliver(0);
		Deliver(1);
		Deliver(3);
		HandleOnPostDataLoad(nullptr);
		EXPECT_FALSE(PluginFileExists("Tarmacor.ini"));
		EXPECT_THAT(Profiles, IsEmpty());
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(PostDataLoad, TheDefaultFileIsNeverWrittenOverAnExistingOne)
	{
		const auto user = test::IniText({ "[Global]", "bLogging=1" });
		WritePluginFile("Tarmacor.ini", user);
		CreateDefaultIni();
		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), user);
		EXPECT_THAT(Entries(), ElementsAre("error: [CreateDefaultIni] could not create default INI [.\\Data\\SFSE\\Plugins\\Tarmacor.ini] | it exists"));
	}
}
