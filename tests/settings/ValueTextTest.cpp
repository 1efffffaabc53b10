#include <bit>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "Settings/Profile.h"
#include "Settings/ValueText.h"

namespace
{
	TEST(FloatText, IsThePrintfFixedFormWithSixDigits)
	{
		EXPECT_EQ(GetFloatText(-0.58f), "-0.580000");
		EXPECT_EQ(GetFloatText(0.55f), "0.550000");
		EXPECT_EQ(GetFloatText(-2.0f), "-2.000000");
		EXPECT_EQ(GetFloatText(100.0f), "100.000000");
		EXPECT_EQ(GetFloatText(0.0f), "0.000000");
		EXPECT_EQ(GetFloatText(16777216.0f), "16777216.000000");
		EXPECT_EQ(GetFloatText(3.4e38f), "339999995214436424907732413799364296704.000000");
	}

	TEST(FloatText, RoundsTheExactBinaryValueHalfToEven)
	{
		// 2.5e-6f is 0.0000024999999..., so it must not round up.
		EXPECT_EQ(GetFloatText(2.5e-6f), "0.000002");
		EXPECT_EQ(GetFloatText(5e-7f), "0.000000");
		// Exact ties.
		EXPECT_EQ(GetFloatText(0.0078125f), "0.007812");
		EXPECT_EQ(GetFloatText(0.0234375f), "0.023438");
	}

	TEST(FloatText, NegativeZeroKeepsItsSignAsPrintfDoes)
	{
		EXPECT_EQ(GetFloatText(-0.0f), "-0.000000");
		EXPECT_EQ(GetFloatText(-1e-7f), "-0.000000");
	}

#if !defined(_WIN32)
	// glibc's printf is exact; the MinGW runtime's may not be.
	TEST(FloatText, MatchesPrintfOnRandomFloats)
	{
		std::mt19937 random(20240501);
		std::uniform_int_distribution<std::uint32_t> bits;
		char expected[128];
		int compared = 0;
		while (compared < 20000) {
			const float value = std::bit_cast<float>(bits(random));
			if (!std::isfinite(value)) {
				continue;
			}
			std::snprintf(expected, sizeof expected, "%f", static_cast<double>(value));
			ASSERT_EQ(GetFloatText(value), expected) << std::bit_cast<std::uint32_t>(value);
			++compared;
		}
	}
#endif

	TEST(UpAngleText, NegatesPositiveAnglesOnly)
	{
		EXPECT_EQ(GetUpAngleText(90.0f), "-90.000000");
		EXPECT_EQ(GetUpAngleText(45.0f), "-45.000000");
		EXPECT_EQ(GetUpAngleText(-30.0f), "-30.000000");
		EXPECT_EQ(GetUpAngleText(0.0f), "0.000000");
		EXPECT_EQ(GetUpAngleText(-0.0f), "-0.000000");
		EXPECT_EQ(GetUpAngleText(1e-7f), "-0.000000");
	}

	TEST(HotkeyText, IsUpperCaseHexWithoutLeadingZeros)
	{
		EXPECT_EQ(GetHotkeyText(0x20), "20");
		EXPECT_EQ(GetHotkeyText(0xA0), "A0");
		EXPECT_EQ(GetHotkeyText(0x51), "51");
		EXPECT_EQ(GetHotkeyText(0xFE), "FE");
		EXPECT_EQ(GetHotkeyText(0x5), "5");
	}

	TEST(ValueTexts, FillAllTenFromTheFloats)
	{
		Profile p;
		FillValueTexts(p);
		EXPECT_EQ(p.sPlayerFirstPersonCameraOffsetMinX, "-0.580000");
		EXPECT_EQ(p.sPlayerFirstPersonCameraOffsetMaxY, "-2.000000");
		EXPECT_EQ(p.sPlayerFirstPersonCameraOffsetMaxZ, "0.550000");
		EXPECT_EQ(p.sPlayerFirstPersonCameraOffsetMaxX, "0.000000");
		EXPECT_EQ(p.sPlayerFirstPersonCameraOffsetMinY, "0.000000");
		EXPECT_EQ(p.sPlayerFirstPersonCameraOffsetMinZ, "0.000000");
		EXPECT_EQ(p.sPlayerFirstPersonCameraPanoramicAngleUp, "-90.000000");
		EXPECT_EQ(p.sPlayerFirstPersonCameraPanoramicAngleDown, "70.000000");
		EXPECT_EQ(p.sPlayerFirstPersonCameraPanoramicAngleLeftRight, "90.000000");
		EXPECT_EQ(p.sPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode, "100.000000");

		// Each text follows its own field.
		p.fPlayerFirstPersonCameraOffsetMinZ = 1.5f;
		p.fPlayerFirstPersonCameraPanoramicAngleUp = -10.0f;
		FillValueTexts(p);
		EXPECT_EQ(p.sPlayerFirstPersonCameraOffsetMinZ, "1.500000");
		EXPECT_EQ(p.sPlayerFirstPersonCameraOffsetMinY, "0.000000");
		EXPECT_EQ(p.sPlayerFirstPersonCameraPanoramicAngleUp, "-10.000000");
	}
}
