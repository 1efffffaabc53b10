#include "IniValues.h"

#include <fmt/format.h>

#include "KeyNames.h"
#include "Settings/AsciiCase.h"

const GlobalKey* FindGlobalKey(std::string_view a_key) noexcept
{
	for (const auto& global : GlobalKeys) {
		if (EqualsIgnoringCase(global.sKey, a_key)) {
			return &global;
		}
	}
	return nullptr;
}

const ProfileField* FindProfileFieldIgnoringCase(std::string_view a_key) noexcept
{
	for (const auto& field : ProfileFields) {
		if (EqualsIgnoringCase(field.sKey, a_key)) {
			return &field;
		}
	}
	return nullptr;
}

IniValueKind GetValueKind(const ProfileField& a_field) noexcept
{
	switch (a_field.eKind) {
	case ProfileFieldKind::kHotkey: return IniValueKind::kHotkey;
	case ProfileFieldKind::kFloat: return IniValueKind::kFloat;
	case ProfileFieldKind::kSwitch: return IniValueKind::kSwitch;
	}
	return IniValueKind::kFloat;
}

bool TakesValueFromText(ValueReading a_reading) noexcept
{
	return a_reading == ValueReading::kRead || a_reading == ValueReading::kLeadingPartOnly || a_reading == ValueReading::kSwitchOff;
}

std::string DescribeSwitch(bool a_on)
{
	return a_on ? "1 (on)" : "0 (off)";
}

std::string DescribeFieldValue(const Profile& a_profile, const ProfileField& a_field)
{
	switch (a_field.eKind) {
	case ProfileFieldKind::kHotkey:
		// A key a player adds has no built-in key: it is off until set.
		return a_field.bAddedByPlayer && a_profile.*a_field.iHotkey == 0 ? "0 (off)" : DescribeHotkey(a_profile.*a_field.iHotkey);
	case ProfileFieldKind::kFloat: return fmt::format("{}", a_profile.*a_field.fValue);
	case ProfileFieldKind::kSwitch: return DescribeSwitch(a_profile.*a_field.bSwitch);
	}
	return {};
}

std::string DescribeGameValue(const Profile& a_profile, const ProfileField& a_field)
{
	if (a_field.eKind == ProfileFieldKind::kFloat && a_field.GetValueText == GetUpAngleText) {
		return fmt::format("the game's minimum pitch: {}", GetMinimumPitch(a_profile.*a_field.fValue));
	}
	return {};
}
