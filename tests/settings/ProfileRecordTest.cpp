#include <bit>
#include <cstdint>

#include <gtest/gtest.h>

#include "Settings/Profile.h"

namespace
{
	TEST(ProfileRecord, FreshRecordHoldsTheBuiltInDefaults)
	{
		const Profile p;
		EXPECT_EQ(p.sProfileName, "");
		EXPECT_EQ(p.iShowTimeEffectHotkey, 0x20);
		EXPECT_EQ(p.iRearViewHotkey, 0x51);
		EXPECT_EQ(p.iCompanionChatterHotkey, 0xA0);
		EXPECT_EQ(std::bit_cast<std::uint32_t>(p.fPlayerFirstPersonCameraOffsetMinX), 0xBF147AE1u);
		EXPECT_EQ(p.fPlayerFirstPersonCameraOffsetMaxY, -2.0f);
		EXPECT_EQ(std::bit_cast<std::uint32_t>(p.fPlayerFirstPersonCameraOffsetMaxZ), 0x3F0CCCCDu);
		// Positive zeros: their texts must not come out as "-0.000000".
		EXPECT_EQ(std::bit_cast<std::uint32_t>(p.fPlayerFirstPersonCameraOffsetMaxX), 0u);
		EXPECT_EQ(std::bit_cast<std::uint32_t>(p.fPlayerFirstPersonCameraOffsetMinY), 0u);
		EXPECT_EQ(std::bit_cast<std::uint32_t>(p.fPlayerFirstPersonCameraOffsetMinZ), 0u);
		EXPECT_EQ(p.fPlayerFirstPersonCameraPanoramicAngleUp, 90.0f);
		EXPECT_EQ(p.fPlayerFirstPersonCameraPanoramicAngleDown, 70.0f);
		EXPECT_EQ(p.fPlayerFirstPersonCameraPanoramicAngleLeftRight, 90.0f);
		EXPECT_EQ(p.fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode, 100.0f);
		EXPECT_TRUE(p.bSmartAim);
		EXPECT_TRUE(p.bRearView);
		EXPECT_TRUE(p.bExitAnywhere);
		EXPECT_TRUE(p.bCompanionChatter);
		EXPECT_TRUE(p.bCompanionChatterAllowInThirdPerson);
		for (const auto* text : { &p.sPlayerFirstPersonCameraOffsetMinX, &p.sPlayerFirstPersonCameraOffsetMaxY,
				 &p.sPlayerFirstPersonCameraOffsetMaxZ, &p.sPlayerFirstPersonCameraOffsetMaxX,
				 &p.sPlayerFirstPersonCameraOffsetMinY, &p.sPlayerFirstPersonCameraOffsetMinZ,
				 &p.sPlayerFirstPersonCameraPanoramicAngleUp, &p.sPlayerFirstPersonCameraPanoramicAngleDown,
				 &p.sPlayerFirstPersonCameraPanoramicAngleLeftRight, &p.sPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode }) {
			EXPECT_EQ(*text, "");
		}
	}
}
