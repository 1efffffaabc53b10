#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "Settings/Logging.h"
#include "Settings/ProfileLoading.h"
#include "Settings/Profiles.h"
#include "SettingsTest.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;
	using SaveCurrent = test::SettingsTest;

	Profile Named(std::string a_name, std::int32_t a_rearViewHotkey)
	{
		Profile p;
		p.sProfileName = std::move(a_name);
		p.iRearViewHotkey = a_rearViewHotkey;
		p.sPlayerFirstPersonCameraOffsetMinX = "-0.580000";
		return p;
	}

	TEST_F(SaveCurrent, CopiesTheChosenRecordWhole)
	{
		Profiles = { Named("A", 0x41), Named("B", 0x42), Named("C", 0x43) };
		Profiles[2].bSmartAim = false;
		Profiles[2].sPlayerFirstPersonCameraPanoramicAngleUp = "-45.000000";
		SaveCurrentProfile(2);
		EXPECT_EQ(CurrentProfile.sProfileName, "C");
		EXPECT_EQ(CurrentProfile.iRearViewHotkey, 0x43);
		EXPECT_FALSE(CurrentProfile.bSmartAim);
		EXPECT_EQ(CurrentProfile.sPlayerFirstPersonCameraOffsetMinX, "-0.580000");
		EXPECT_EQ(CurrentProfile.sPlayerFirstPersonCameraPanoramicAngleUp, "-45.000000");
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(SaveCurrent, AnIndexOutOfRangeIsReportedAndChangesNothing)
	{
		Profiles = { Named("A", 0x41), Named("B", 0x42), Named("C", 0x43) };
		SaveCurrentProfile(1);
		SaveCurrentProfile(3);
		SaveCurrentProfile(-1);
		SaveCurrentProfile(std::numeric_limits<std::int32_t>::min());
		EXPECT_EQ(CurrentProfile.sProfileName, "B");
		Profiles.clear();
		SaveCurrentProfile(0);
		EXPECT_EQ(CurrentProfile.sProfileName, "B");
		// clang-format off
		EXPECT_THAT(Entries(), ElementsAre(
								   "error: [SaveCurrentProfile] couldn't save CurrentProfile | iProfileIndex is out of range [3/3]",
								   "error: [SaveCurrentProfile] couldn't save CurrentProfile | iProfileIndex is out of range [-1/3]",
								   "error: [SaveCurrentProfile] couldn't save CurrentProfile | iProfileIndex is out of range [-2147483648/3]",
								   "error: [SaveCurrentProfile] couldn't save CurrentProfile | iProfileIndex is out of range [0/0]"));
		// clang-format on
	}

	TEST_F(SaveCurrent, TheCopyOutlivesChangesAndReloads)
	{
		Profiles = { Named("A", 0x41) };
		SaveCurrentProfile(0);
		Profiles[0].sProfileName = "changed";
		Profiles[0].sPlayerFirstPersonCameraOffsetMinX = "1.000000";
		ReloadAllProfilesAndSettings(false);
		EXPECT_THAT(Profiles, IsEmpty());
		EXPECT_EQ(CurrentProfile.sProfileName, "A");
		EXPECT_EQ(CurrentProfile.iRearViewHotkey, 0x41);
		EXPECT_EQ(CurrentProfile.sPlayerFirstPersonCameraOffsetMinX, "-0.580000");
	}

	TEST_F(SaveCurrent, SilentWhileLoggingIsOff)
	{
		bLogging = false;
		SaveCurrentProfile(5);
		EXPECT_THAT(Entries(), IsEmpty());
		EXPECT_EQ(CurrentProfile.sProfileName, "");
	}
}
