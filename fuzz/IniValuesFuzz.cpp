// Fuzzes the INI value texts with every input, as the plugin reads them and
// as the INI checker tells a player about them:
// - the bytes as a value text of each kind: the readers never crash, and the
//   checker's verdict is exactly what the plugin does with the text (the
//   part it calls read re-reads to the same value, read and ignored parts
//   make up the text, a value it calls read is one the plugin applies);
// - the bytes applied to every profile field, then the value texts made from
//   the result: each reads back whole, and each field holds what the checker
//   said it would;
// - the bytes as a key (the closest profile key), a hotkey code (its
//   description) and a profile's name and source on the SVG page, where no
//   markup may come through from them.
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "ClosestKey.h"
#include "KeyNames.h"
#include "Settings/AsciiCase.h"
#include "Settings/ProfileFields.h"
#include "Settings/ValueParsing.h"
#include "Settings/ValueText.h"
#include "ValueCheck.h"

namespace
{
	void check(bool a_condition)
	{
		if (!a_condition) {
			std::abort();
		}
	}

	bool IsTaken(const ValueCheck& a_check)
	{
		return a_check.eReading == ValueReading::kRead || a_check.eReading == ValueReading::kLeadingPartOnly;
	}

	// The verdict's shape, whatever the kind: kEmpty exactly for no text; read
	// and ignored parts split the text itself where a value was taken, and
	// are empty otherwise.
	void CheckParts(std::string_view a_text, const ValueCheck& a_check)
	{
		check((a_check.eReading == ValueReading::kEmpty) == a_text.empty());
		if (!IsTaken(a_check)) {
			check(a_check.sReadPart.empty() && a_check.sIgnoredPart.empty());
			return;
		}
		check(!a_check.sReadPart.empty());
		check(a_check.sReadPart.data() == a_text.data());
		check(a_check.sReadPart.size() + a_check.sIgnoredPart.size() == a_text.size());
		check(a_check.sIgnoredPart.data() == a_text.data() + a_check.sReadPart.size());
		check(a_check.sIgnoredPart.empty() == (a_check.eReading == ValueReading::kRead));
	}

	void FuzzHotkey(std::string_view a_text)
	{
		const auto value = ParseHotkeyValue(a_text);
		const auto verdict = CheckValueText(IniValueKind::kHotkey, a_text);
		CheckParts(a_text, verdict);
		if (a_text.empty()) {
			return;
		}
		const bool accepted = value && IsInAcceptedRange(*value);
		check(IsTaken(verdict) == accepted);
		check(verdict.eReading != ValueReading::kNotANumber || !value);
		if (accepted) {
			check(ParseHotkeyValue(verdict.sReadPart) == value);
			check(CheckValueText(IniValueKind::kHotkey, verdict.sReadPart).eReading == ValueReading::kRead);
		}
		std::int32_t field = 0;
		ApplyHotkeyText(field, a_text);
		check(accepted ? field == static_cast<std::int32_t>(*value) : field == 0);
		if (value) {
			check(ParseHotkeyValue(GetHotkeyText(static_cast<std::int32_t>(*value))) == value);
		}
	}

	void FuzzInteger(std::string_view a_text)
	{
		const auto value = ParseIntegerValue(a_text);
		const auto verdict = CheckValueText(IniValueKind::kInteger, a_text);
		CheckParts(a_text, verdict);
		if (a_text.empty()) {
			return;
		}
		const bool accepted = value && (*value == 0 || IsInAcceptedRange(*value));
		check(IsTaken(verdict) == accepted);
		check(verdict.eReading != ValueReading::kNotANumber || !value);
		if (accepted) {
			check(ParseIntegerValue(verdict.sReadPart) == value);
			check(CheckValueText(IniValueKind::kInteger, verdict.sReadPart).eReading == ValueReading::kRead);
		}
	}

	void FuzzFloat(std::string_view a_text)
	{
		const auto value = ParseFloatValue(a_text);
		const auto verdict = CheckValueText(IniValueKind::kFloat, a_text);
		CheckParts(a_text, verdict);
		if (a_text.empty()) {
			return;
		}
		check(IsTaken(verdict) == value.has_value());
		float field = 1.5f;
		ApplyFloatText(field, a_text);
		if (!value) {
			check(field == 1.5f);
			return;
		}
		check(std::isfinite(*value) && (*value == 0.0f || std::isnormal(*value)));
		check(std::bit_cast<std::uint32_t>(field) == std::bit_cast<std::uint32_t>(*value));
		const auto reread = ParseFloatValue(verdict.sReadPart);
		check(reread && std::bit_cast<std::uint32_t>(*reread) == std::bit_cast<std::uint32_t>(*value));
		check(CheckValueText(IniValueKind::kFloat, verdict.sReadPart).eReading == ValueReading::kRead);
		// The texts the game is handed read back whole, the up angle never
		// looking down.
		check(CheckValueText(IniValueKind::kFloat, GetFloatText(*value)).eReading == ValueReading::kRead);
		const auto upText = GetUpAngleText(*value);
		check(CheckValueText(IniValueKind::kFloat, upText).eReading == ValueReading::kRead);
		check(*value <= 0.0f || *ParseFloatValue(upText) <= 0.0f);
	}

	void FuzzSwitch(std::string_view a_text)
	{
		const auto verdict = CheckValueText(IniValueKind::kSwitch, a_text);
		CheckParts(a_text, verdict);
		if (a_text.empty()) {
			return;
		}
		const bool exact = a_text == "0" || a_text == "1";
		check((verdict.eReading == ValueReading::kRead) == exact);
		check((verdict.eReading == ValueReading::kSwitchOff) == !exact);
		check(ParseSwitchValue(a_text) == (a_text == "1"));
	}

	// Every field from the same text: each holds what the checker said, and
	// the game's texts read back whole.
	Profile FuzzProfile(std::string_view a_text)
	{
		const Profile defaults;
		Profile profile;
		for (const auto& field : ProfileFields) {
			ApplyProfileFieldText(profile, field, a_text);
		}
		FillValueTexts(profile);
		for (const auto& field : ProfileFields) {
			switch (field.eKind) {
			case ProfileFieldKind::kHotkey: {
				const auto verdict = CheckValueText(IniValueKind::kHotkey, a_text);
				const auto expected = IsTaken(verdict) ? static_cast<std::int32_t>(*ParseHotkeyValue(a_text)) : defaults.*field.iHotkey;
				check(profile.*field.iHotkey == expected);
				break;
			}
			case ProfileFieldKind::kFloat: {
				const auto verdict = CheckValueText(IniValueKind::kFloat, a_text);
				const float expected = IsTaken(verdict) ? *ParseFloatValue(a_text) : defaults.*field.fValue;
				check(std::bit_cast<std::uint32_t>(profile.*field.fValue) == std::bit_cast<std::uint32_t>(expected));
				check(profile.*field.sValueText == field.GetValueText(expected));
				check(CheckValueText(IniValueKind::kFloat, profile.*field.sValueText).eReading == ValueReading::kRead);
				break;
			}
			case ProfileFieldKind::kSwitch:
				check(profile.*field.bSwitch == (a_text.empty() ? defaults.*field.bSwitch : a_text == "1"));
				break;
			}
		}
		return profile;
	}

	constexpr auto ProfileKeys = [] {
		std::array<std::string_view, ProfileFields.size()> keys{};
		for (std::size_t i = 0; i < keys.size(); ++i) {
			keys[i] = ProfileFields[i].sKey;
		}
		return keys;
	}();

	void FuzzKey(std::string_view a_text)
	{
		const auto closest = FindClosestKey(a_text, ProfileKeys);
		if (closest) {
			check(std::find(ProfileKeys.begin(), ProfileKeys.end(), *closest) != ProfileKeys.end());
			check(FindClosestKey(*closest, ProfileKeys) == closest);
		}
		for (const auto key : ProfileKeys) {
			if (EqualsIgnoringCase(a_text, key)) {
				check(closest == key);
			}
		}
	}

	void FuzzHotkeyDescription(std::span<const std::uint8_t> a_bytes)
	{
		std::int32_t code = 0;
		if (!a_bytes.empty()) {
			std::memcpy(&code, a_bytes.data(), std::min(a_bytes.size(), sizeof code));
		}
		const auto description = DescribeHotkey(code);
		const auto name = GetVirtualKeyName(code);
		check(description.starts_with("0x") && description.ends_with(")"));
		check(description.find(name.empty() ? std::string_view("(no key)") : name) != std::string::npos);
	}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* a_data, std::size_t a_size)
{
	const std::string text(reinterpret_cast<const char*>(a_data), a_size);
	FuzzHotkey(text);
	FuzzInteger(text);
	FuzzFloat(text);
	FuzzSwitch(text);
	FuzzProfile(text);
	FuzzKey(text);
	FuzzHotkeyDescription({ a_data, a_size });
	return 0;
}
