#pragma once
// The game's float settings, read and written from value texts.
#include <string>
#include <string_view>

namespace RE
{
	class Setting;
}

// The kind SetGameSetting reports for the float settings the plugin writes.
inline constexpr int FloatSetting = 1;

// The game's setting of that name, or null (also for a null name, and while
// the game has no setting collection yet).
RE::Setting* FindGameSetting(const char* a_name);

// Stores the float that sValue converts to (leading blanks skipped, the
// longest number at the start used, "0.55abc" gives 0.55). False for an empty
// name or a setting the game lacks (silent), and for a text that is no finite
// float (one error line): the setting is then left as it was. iSettingType
// is only reported.
bool SetGameSetting(std::string sSetting, std::string sValue, int iSettingType);

// The setting's value in the "%f" form ("0.500000"); empty for an empty name
// or a setting the game lacks.
std::string GetGameSetting(const std::string& a_name);

// Strict: the text must consist of "-.0123456789" alone (no blanks, plus
// signs or exponents) and convert as a whole or in its leading part. On
// false the output is untouched.
bool TryParseFloat(std::string_view a_text, float* a_out);
