#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "ClosestKey.h"
#include "KeyNames.h"
#include "Settings/ProfileFields.h"
#include "Settings/ValueParsing.h"
#include "ValueCheck.h"

namespace
{
	using enum IniValueKind;
	using enum ValueReading;

	struct ValueCase
	{
		IniValueKind eKind;
		std::string_view sText;
		ValueReading eReading;
		std::string_view sReadPart;
		std::string_view sIgnoredPart;
	};

	constexpr ValueCase ValueCases[] = {
		{ kHotkey, "0x51", kRead, "0x51", "" },
		{ kHotkey, "FE", kRead, "FE", "" },
		{ kHotkey, "-FFFFFFFF", kRead, "-FFFFFFFF", "" },  // wraps round to 1
		{ kHotkey, "0x51 ; Q", kLeadingPartOnly, "0x51", " ; Q" },
		{ kHotkey, "1 2", kLeadingPartOnly, "1", " 2" },
		{ kHotkey, "0x0 junk", kOutOfRange, "", "" },
		{ kHotkey, "0x", kOutOfRange, "", "" },  // the 0 alone
		{ kHotkey, "FF", kOutOfRange, "", "" },
		{ kHotkey, "-1", kOutOfRange, "", "" },
		{ kHotkey, "100000000", kOutOfRange, "", "" },
		{ kHotkey, "Q", kNotANumber, "", "" },
		{ kInteger, "0", kRead, "0", "" },
		{ kInteger, "254", kRead, "254", "" },
		{ kInteger, " +7", kRead, " +7", "" },
		{ kInteger, "0x10", kLeadingPartOnly, "0", "x10" },
		{ kInteger, "255", kOutOfRange, "", "" },
		{ kInteger, "-1", kOutOfRange, "", "" },
		{ kInteger, "2147483648", kOutOfRange, "", "" },
		{ kInteger, "- 1", kNotANumber, "", "" },
		{ kFloat, "-0.58", kRead, "-0.58", "" },
		{ kFloat, "1e", kLeadingPartOnly, "1", "e" },
		{ kFloat, "0,5", kLeadingPartOnly, "0", ",5" },
		{ kFloat, "0x1p3", kLeadingPartOnly, "0", "x1p3" },
		{ kFloat, "1e39", kOutOfRange, "", "" },
		{ kFloat, "1e-39", kOutOfRange, "", "" },
		{ kFloat, "1e39 degrees", kOutOfRange, "", "" },
		{ kFloat, "inf", kNotANumber, "", "" },
		{ kFloat, "nan", kNotANumber, "", "" },
		{ kSwitch, "1", kRead, "1", "" },
		{ kSwitch, "0", kRead, "0", "" },
		{ kSwitch, "true", kSwitchOff, "", "" },
		{ kSwitch, " 1", kSwitchOff, "", "" },
		{ kSwitch, "01", kSwitchOff, "", "" },
	};

	TEST(ValueCheck, TellsHowMuchOfTheTextBecameTheValue)
	{
		for (const auto& c : ValueCases) {
			const auto check = CheckValueText(c.eKind, c.sText);
			EXPECT_EQ(check.eReading, c.eReading) << c.sText;
			EXPECT_EQ(check.sReadPart, c.sReadPart) << c.sText;
			EXPECT_EQ(check.sIgnoredPart, c.sIgnoredPart) << c.sText;
		}
	}

	TEST(ValueCheck, AnEmptyTextLeavesTheDefaultForEveryKind)
	{
		for (const auto kind : { kHotkey, kInteger, kFloat, kSwitch }) {
			EXPECT_EQ(CheckValueText(kind, "").eReading, kEmpty);
		}
	}

	// A value the check calls read is one the plugin takes, and the other way round.
	TEST(ValueCheck, AgreesWithWhatThePluginApplies)
	{
		for (const auto& c : ValueCases) {
			const auto reading = CheckValueText(c.eKind, c.sText).eReading;
			const bool taken = reading == kRead || reading == kLeadingPartOnly;
			if (c.eKind == kHotkey) {
				std::int32_t hotkey = 0;
				ApplyHotkeyText(hotkey, c.sText);
				EXPECT_EQ(hotkey != 0, taken) << c.sText;
			} else if (c.eKind == kFloat) {
				float value = std::numeric_limits<float>::quiet_NaN();
				ApplyFloatText(value, c.sText);
				EXPECT_EQ(!std::isnan(value), taken) << c.sText;
			}
		}
	}

	TEST(KeyNames, DescribesCodesAsPlayersKnowTheKeys)
	{
		const std::pair<std::int32_t, std::string_view> cases[] = {
			{ 0x51, "0x51 (Q)" },
			{ 0x20, "0x20 (Space)" },
			{ 0xA0, "0xA0 (Left Shift)" },
			{ 0x5A, "0x5A (Z)" },
			{ 0x39, "0x39 (9)" },
			{ 0x69, "0x69 (Numpad 9)" },
			{ 0x70, "0x70 (F1)" },
			{ 0x87, "0x87 (F24)" },
			{ 0x01, "0x01 (Left Mouse Button)" },
			{ 0x06, "0x06 (Mouse Button 5)" },
			{ 0xA5, "0xA5 (Right Alt)" },
			{ 0xBA, "0xBA (;)" },
			{ 0xDE, "0xDE (')" },
			{ 0x07, "0x07 (no key)" },
			{ 0xE8, "0xE8 (no key)" },
			{ 0x00, "0x00 (no key)" },
			{ 0xFF, "0xFF (no key)" },
			{ 0x100, "0x100 (no key)" },
			{ -1, "0xFFFFFFFF (no key)" },
		};
		for (const auto& [code, description] : cases) {
			EXPECT_EQ(DescribeHotkey(code), description) << code;
		}
	}

	TEST(KeyNames, EveryDefaultHotkeyIsNamed)
	{
		for (const auto& field : ProfileFields) {
			if (field.eKind == ProfileFieldKind::kHotkey && !field.bAddedByPlayer) {
				const auto code = ParseHotkeyValue(field.sDefaultText);
				ASSERT_TRUE(code) << field.sKey;
				EXPECT_FALSE(GetVirtualKeyName(static_cast<std::int32_t>(*code)).empty()) << field.sKey;
			}
		}
	}

	constexpr auto ProfileKeys = [] {
		std::array<std::string_view, ProfileFields.size()> keys{};
		for (std::size_t i = 0; i < keys.size(); ++i) {
			keys[i] = ProfileFields[i].sKey;
		}
		return keys;
	}();

	constexpr std::array<std::string_view, 3> GlobalKeys{ "bLogging", "bCreateVanillaINIBackup", "iTestStringValues" };

	TEST(ClosestKey, FindsTheKeyASlipWasMeantFor)
	{
		const std::pair<std::string_view, std::optional<std::string_view>> profileCases[] = {
			{ "fPlayerFirstPersonCameraOfsetMinX", "fPlayerFirstPersonCameraOffsetMinX" },
			{ "bSmartAmi", "bSmartAim" },
			{ "IREARVIEWHOTKEY", "iRearViewHotkey" },
			{ "iRearVeiwHotky", "iRearViewHotkey" },  // two slips
			{ "iRaerVeiwHotky", std::nullopt },       // three
			// One letter from MinX, MinY and MinZ alike.
			{ "fPlayerFirstPersonCameraOffsetMinW", std::nullopt },
			{ "bExit", std::nullopt },
			{ "", std::nullopt },
		};
		for (const auto& [key, expected] : profileCases) {
			EXPECT_EQ(FindClosestKey(key, ProfileKeys), expected) << key;
		}
		const std::pair<std::string_view, std::optional<std::string_view>> globalCases[] = {
			{ "bLoging", "bLogging" },
			{ "bFoo", std::nullopt },
			{ "bLog", std::nullopt },
			{ "iTestStringValue", "iTestStringValues" },
		};
		for (const auto& [key, expected] : globalCases) {
			EXPECT_EQ(FindClosestKey(key, GlobalKeys), expected) << key;
		}
	}

	TEST(ClosestKey, ShortKeysTakeFewerSlips)
	{
		constexpr std::array<std::string_view, 2> known{ "bAbc", "iXy" };
		EXPECT_EQ(FindClosestKey("bAcb", known), std::optional<std::string_view>("bAbc"));
		EXPECT_EQ(FindClosestKey("iXz", known), std::nullopt);
		EXPECT_EQ(FindClosestKey("iXy", known), std::optional<std::string_view>("iXy"));
	}
}
