#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Settings/Logging.h"
#include "Settings/ProfileDump.h"
#include "Settings/Profiles.h"
#include "SettingsTest.h"

namespace
{
	using testing::ElementsAre;
	using testing::ElementsAreArray;
	using testing::IsEmpty;
	using ProfileDump = test::SettingsTest;

	constexpr const char* Begin = "info: [DumpAllProfiles]  ----------------- BEGIN ---------------- ";
	constexpr const char* End = "info: [DumpAllProfiles]  ----------------- END ---------------- ";

	std::vector<std::string> DefaultLines(const std::string& a_name)
	{
		const std::string head = "info: [DumpProfileInfo] [" + a_name + "] ";
		std::vector<std::string> lines;
		for (const char* row : {
				 "iShowTimeEffectHotkey -> 0x20",
				 "iRearViewHotkey -> 0x51",
				 "fPlayerFirstPersonCameraOffsetMinX -> -0.580000",
				 "fPlayerFirstPersonCameraOffsetMaxY -> -2.000000",
				 "fPlayerFirstPersonCameraOffsetMaxZ -> 0.550000",
				 "fPlayerFirstPersonCameraOffsetMaxX -> 0.000000",
				 "fPlayerFirstPersonCameraOffsetMinY -> 0.000000",
				 "fPlayerFirstPersonCameraOffsetMinZ -> 0.000000",
				 "fPlayerFirstPersonCameraPanoramicAngleUp -> -90.000000",
				 "fPlayerFirstPersonCameraPanoramicAngleDown -> 70.000000",
				 "fPlayerFirstPersonCameraPanoramicAngleLeftRight -> 90.000000",
				 "fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode -> 100.000000",
				 "bSmartAim -> 1",
				 "bRearView -> 1",
				 "bExitAnywhere -> 1",
				 "iCompanionChatterHotkey -> 0xA0",
				 "bCompanionChatter -> 1",
				 "bCompanionChatterAllowInThirdPerson -> 1",
			 }) {
			lines.push_back(head + row);
		}
		return lines;
	}

	TEST_F(ProfileDump, TwoProfilesBetweenTheMarkers)
	{
		Profiles = { test::Defaults("Default"), test::Defaults("Rover") };
		Profiles[1].iShowTimeEffectHotkey = 0xFE;
		Profiles[1].bExitAnywhere = false;
		Profiles[1].sPlayerFirstPersonCameraPanoramicAngleDown = "12.500000";
		DumpAllProfiles();

		std::vector<std::string> expected{ Begin, "info: [DumpAllProfiles] [Profile: 0]" };
		for (const auto& line : DefaultLines("Default")) {
			expected.push_back(line);
		}
		expected.push_back("info: [DumpAllProfiles] [Profile: 1]");
		auto rover = DefaultLines("Rover");
		rover[0] = "info: [DumpProfileInfo] [Rover] iShowTimeEffectHotkey -> 0xFE";
		rover[9] = "info: [DumpProfileInfo] [Rover] fPlayerFirstPersonCameraPanoramicAngleDown -> 12.500000";
		rover[14] = "info: [DumpProfileInfo] [Rover] bExitAnywhere -> 0";
		for (const auto& line : rover) {
			expected.push_back(line);
		}
		expected.push_back(End);
		EXPECT_THAT(Entries(), ElementsAreArray(expected));
	}

	TEST_F(ProfileDump, MarkersAloneForNoProfiles)
	{
		DumpAllProfiles();
		EXPECT_THAT(Entries(), ElementsAre(Begin, End));
	}

	TEST_F(ProfileDump, UnfilledTextsShowNothingAfterTheArrow)
	{
		Profile p;
		p.sProfileName = "Raw";
		DumpProfileInfo(p);
		const auto entries = Entries();
		ASSERT_EQ(entries.size(), 18u);
		EXPECT_EQ(entries[2], "info: [DumpProfileInfo] [Raw] fPlayerFirstPersonCameraOffsetMinX -> ");
		EXPECT_EQ(entries[11], "info: [DumpProfileInfo] [Raw] fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode -> ");
	}

	TEST_F(ProfileDump, NothingWhileLoggingIsOff)
	{
		Profiles = { test::Defaults("Default") };
		bLogging = false;
		DumpAllProfiles();
		DumpProfileInfo(Profiles[0]);
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(ProfileDump, BracesInANameAreWrittenAsTheyAre)
	{
		DumpProfileInfo(test::Defaults("{} {0}"));
		const auto entries = Entries();
		ASSERT_EQ(entries.size(), 18u);
		EXPECT_EQ(entries[12], "info: [DumpProfileInfo] [{} {0}] bSmartAim -> 1");
	}
}
