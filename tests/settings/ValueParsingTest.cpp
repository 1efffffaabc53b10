#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "Settings/ValueParsing.h"

namespace
{
	using U = std::optional<std::uint32_t>;
	using I = std::optional<std::int32_t>;

	TEST(HotkeyValue, ReadsBase16WithOrWithoutPrefix)
	{
		EXPECT_EQ(ParseHotkeyValue("0xA0"), U(160));
		EXPECT_EQ(ParseHotkeyValue("0x51"), U(0x51));
		EXPECT_EQ(ParseHotkeyValue("51"), U(0x51));
		EXPECT_EQ(ParseHotkeyValue("0X1f"), U(0x1F));
		EXPECT_EQ(ParseHotkeyValue("FF"), U(255));
		EXPECT_EQ(ParseHotkeyValue("0"), U(0));
		EXPECT_EQ(ParseHotkeyValue("FFFFFFFF"), U(0xFFFFFFFF));
	}

	TEST(HotkeyValue, StopsAtTheFirstOtherCharacter)
	{
		EXPECT_EQ(ParseHotkeyValue("0x51 Q key"), U(0x51));
		EXPECT_EQ(ParseHotkeyValue(" \t0x20"), U(0x20));
		EXPECT_EQ(ParseHotkeyValue("+0x20"), U(0x20));
		// "0x" without a hex digit after it: the "0" is the number.
		EXPECT_EQ(ParseHotkeyValue("0x"), U(0));
		EXPECT_EQ(ParseHotkeyValue("0xg"), U(0));
		// Leading zeros never overflow.
		EXPECT_EQ(ParseHotkeyValue(std::string(9000, '0') + "51"), U(0x51));
	}

	TEST(HotkeyValue, MinusNegatesModulo32Bits)
	{
		EXPECT_EQ(ParseHotkeyValue("-1"), U(0xFFFFFFFF));
		EXPECT_EQ(ParseHotkeyValue("-0x51"), U(0xFFFFFFAF));
		EXPECT_EQ(ParseHotkeyValue("-FFFFFFFF"), U(1));
	}

	TEST(HotkeyValue, FailsWithoutDigitsOrBeyond32Bits)
	{
		for (const char* text : { "", " ", "-", "+", "x51", "Q", "--1", "+-1" }) {
			EXPECT_EQ(ParseHotkeyValue(text), std::nullopt) << text;
		}
		EXPECT_EQ(ParseHotkeyValue("100000000"), std::nullopt);
		EXPECT_EQ(ParseHotkeyValue("-100000000"), std::nullopt);
		EXPECT_EQ(ParseHotkeyValue(std::string(9999, 'F')), std::nullopt);
	}

	TEST(IntegerValue, ReadsBase10Into32Bits)
	{
		EXPECT_EQ(ParseIntegerValue("2"), I(2));
		EXPECT_EQ(ParseIntegerValue("+254"), I(254));
		EXPECT_EQ(ParseIntegerValue("  -7 apples"), I(-7));
		EXPECT_EQ(ParseIntegerValue("0x10"), I(0));
		EXPECT_EQ(ParseIntegerValue("2147483647"), I(std::numeric_limits<std::int32_t>::max()));
		EXPECT_EQ(ParseIntegerValue("-2147483648"), I(std::numeric_limits<std::int32_t>::min()));
	}

	TEST(IntegerValue, FailsWithoutDigitsOrBeyond32Bits)
	{
		for (const char* text : { "", "abc", "+", "-", " - 1", "2147483648", "-2147483649", "99999999999999999999" }) {
			EXPECT_EQ(ParseIntegerValue(text), std::nullopt) << text;
		}
	}

	TEST(FloatValue, ReadsDecimalNumbers)
	{
		EXPECT_EQ(std::bit_cast<std::uint32_t>(ParseFloatValue("-0.58").value()), 0xBF147AE1u);
		EXPECT_EQ(std::bit_cast<std::uint32_t>(ParseFloatValue("0.55").value()), 0x3F0CCCCDu);
		EXPECT_EQ(ParseFloatValue("45"), 45.0f);
		EXPECT_EQ(ParseFloatValue("+3"), 3.0f);
		EXPECT_EQ(ParseFloatValue(".5"), 0.5f);
		EXPECT_EQ(ParseFloatValue("5."), 5.0f);
		EXPECT_EQ(ParseFloatValue("-.5"), -0.5f);
		EXPECT_EQ(ParseFloatValue("1E2"), 100.0f);
		EXPECT_EQ(ParseFloatValue("3.4e38"), 3.4e38f);
		EXPECT_EQ(ParseFloatValue("1.17549435e-38"), std::numeric_limits<float>::min());
		EXPECT_EQ(ParseFloatValue("0e-999"), 0.0f);
	}

	TEST(FloatValue, StopsAtTheFirstOtherCharacter)
	{
		EXPECT_EQ(ParseFloatValue(" \t1.5e2 degrees"), 150.0f);
		EXPECT_EQ(ParseFloatValue("1e"), 1.0f);
		EXPECT_EQ(ParseFloatValue("1e+"), 1.0f);
		EXPECT_EQ(ParseFloatValue("2.5.1"), 2.5f);
		EXPECT_EQ(ParseFloatValue("90,5"), 90.0f);  // no locale: the comma ends it
		// Not a hex float: the "0" is the number.
		EXPECT_EQ(ParseFloatValue("0x1p3"), 0.0f);
	}

	TEST(FloatValue, NegativeZeroKeepsItsSign)
	{
		const auto value = ParseFloatValue("-0");
		ASSERT_TRUE(value);
		EXPECT_TRUE(std::signbit(*value));
	}

	TEST(FloatValue, FailsWithoutDigitsOnOverflowAndUnderflow)
	{
		for (const char* text : { "", ".", "-", "+", "e5", "+-3", "-+3", "--3", "inf", "-infinity", "nan", "true" }) {
			EXPECT_EQ(ParseFloatValue(text), std::nullopt) << text;
		}
		EXPECT_EQ(ParseFloatValue("3.5e38"), std::nullopt);
		EXPECT_EQ(ParseFloatValue("-1e400"), std::nullopt);
		// FLT_MAX plus half a step rounds to infinity.
		EXPECT_EQ(ParseFloatValue("340282356779733661637539395458142568448"), std::nullopt);
		EXPECT_EQ(ParseFloatValue("1" + std::string(9998, '0')), std::nullopt);
		// Below the smallest normal float, subnormals included.
		EXPECT_EQ(ParseFloatValue("1e-39"), std::nullopt);
		EXPECT_EQ(ParseFloatValue("-1e-50"), std::nullopt);
		EXPECT_EQ(ParseFloatValue("0." + std::string(9990, '0') + "1"), std::nullopt);
	}

#if !defined(_WIN32)
	// glibc's strtof is the reference conversion: where it neither overflows
	// nor underflows, both give the same bits and stop at the same place.
	TEST(FloatValue, MatchesStrtofOnRandomDecimalTexts)
	{
		std::mt19937 random(7);
		const auto pick = [&](int a_count) { return static_cast<int>(random() % static_cast<unsigned>(a_count)); };
		int numbers = 0;
		for (int round = 0; round < 20000; ++round) {
			std::string text;
			text += " +-"[pick(3)];
			for (int n = pick(12); n > 0; --n) {
				text += static_cast<char>('0' + pick(10));
			}
			if (pick(2)) {
				text += '.';
				for (int n = pick(12); n > 0; --n) {
					text += static_cast<char>('0' + pick(10));
				}
			}
			if (pick(2)) {
				text += "eE"[pick(2)];
				text += " +-"[pick(3)];
				text += std::to_string(pick(90));
			}
			text += " x";

			errno = 0;
			char* end = nullptr;
			const float expected = std::strtof(text.c_str(), &end);
			const bool converted = end != text.c_str();
			const bool inRange = errno == 0 && (expected == 0.0f || std::isnormal(expected));
			const auto parsed = ParseFloatValue(text);
			if (!converted || !inRange) {
				EXPECT_EQ(parsed, std::nullopt) << text;
				continue;
			}
			ASSERT_TRUE(parsed) << text;
			EXPECT_EQ(std::bit_cast<std::uint32_t>(*parsed), std::bit_cast<std::uint32_t>(expected)) << text;
			++numbers;
		}
		EXPECT_GT(numbers, 10000);
	}

	TEST(FloatValue, ReadsBackEveryShortestText)
	{
		std::mt19937 random(11);
		std::uniform_int_distribution<std::uint32_t> bits;
		char text[64];
		for (int round = 0; round < 20000; ++round) {
			const float value = std::bit_cast<float>(bits(random));
			if (!std::isnormal(value)) {
				continue;
			}
			std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
			const auto parsed = ParseFloatValue(text);
			ASSERT_TRUE(parsed) << text;
			EXPECT_EQ(std::bit_cast<std::uint32_t>(*parsed), std::bit_cast<std::uint32_t>(value)) << text;
		}
	}
#endif

	TEST(SwitchValue, OnlyTheText1IsOn)
	{
		EXPECT_TRUE(ParseSwitchValue("1"));
		for (const char* text : { "", "0", "true", "yes", "01", "1 ", " 1", "+1", "2" }) {
			EXPECT_FALSE(ParseSwitchValue(text)) << text;
		}
	}

	TEST(ApplyText, HotkeysOutsideOneTo254KeepTheField)
	{
		const auto apply = [](const char* a_text) {
			std::int32_t field = 0x51;
			ApplyHotkeyText(field, a_text);
			return field;
		};
		EXPECT_EQ(apply("0x100"), 0x51);
		EXPECT_EQ(apply("0x0"), 0x51);
		EXPECT_EQ(apply("FF"), 0x51);
		EXPECT_EQ(apply("-1"), 0x51);
		EXPECT_EQ(apply(""), 0x51);
		EXPECT_EQ(apply("Q"), 0x51);
		EXPECT_EQ(apply("0x52"), 0x52);
		EXPECT_EQ(apply("1"), 1);
		EXPECT_EQ(apply("FE"), 254);
		// The strtoul wrap lands in range: "-FFFFFFFF" is 1.
		EXPECT_EQ(apply("-FFFFFFFF"), 1);
	}

	TEST(ApplyText, FloatsAndSwitchesKeepTheFieldUnlessTheTextIsGiven)
	{
		float angle = 90.0f;
		ApplyFloatText(angle, "");
		EXPECT_EQ(angle, 90.0f);
		ApplyFloatText(angle, "wide");
		EXPECT_EQ(angle, 90.0f);
		ApplyFloatText(angle, "1e39");
		EXPECT_EQ(angle, 90.0f);
		ApplyFloatText(angle, "45");
		EXPECT_EQ(angle, 45.0f);

		bool on = true;
		ApplySwitchText(on, "");
		EXPECT_TRUE(on);
		ApplySwitchText(on, "yes");
		EXPECT_FALSE(on);
		ApplySwitchText(on, "1");
		EXPECT_TRUE(on);
		ApplySwitchText(on, "0");
		EXPECT_FALSE(on);
	}
}
