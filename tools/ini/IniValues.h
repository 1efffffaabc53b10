#pragma once
// The settings the checker knows and how it shows their values. No Windows
// calls.
#include <string>
#include <string_view>

#include "Settings/Profile.h"
#include "Settings/ProfileFields.h"
#include "ValueCheck.h"

// The keys of the [Global] section, with the value that applies when no
// file gives one the plugin takes.
struct GlobalKey
{
	std::string_view sKey;
	IniValueKind eKind;
	std::string_view sDefault;
};

inline constexpr GlobalKey GlobalKeys[] = {
	{ "bLogging", IniValueKind::kSwitch, "0 (off)" },
	{ "bCreateVanillaINIBackup", IniValueKind::kSwitch, "1 (on)" },
	{ "iTestStringValues", IniValueKind::kInteger, "0 (off)" },
	{ "bReloadOnFileChange", IniValueKind::kSwitch, "1 (on)" },
};

// Keys match without regard to case, as the INI functions match them.
const GlobalKey* FindGlobalKey(std::string_view a_key) noexcept;
const ProfileField* FindProfileFieldIgnoringCase(std::string_view a_key) noexcept;

IniValueKind GetValueKind(const ProfileField& a_field) noexcept;

// Whether a text read so gives the value (rather than the default).
bool TakesValueFromText(ValueReading a_reading) noexcept;

// "0x51 (Q)", "-0.58", "1 (on)"; "0 (off)" for a hotkey a player adds that
// isn't set.
std::string DescribeFieldValue(const Profile& a_profile, const ProfileField& a_field);
std::string DescribeSwitch(bool a_on);

// What the game is given for a value the plugin hands on otherwise than it
// reads it ("the game's minimum pitch: -90" for an up angle of 90); empty
// for every other value.
std::string DescribeGameValue(const Profile& a_profile, const ProfileField& a_field);
