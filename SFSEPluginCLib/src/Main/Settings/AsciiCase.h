#pragma once
// Names compared as the INI functions compare ASCII key and section names:
// without regard to case, and the blanks they trim around them. No Windows
// calls.
#include <string>
#include <string_view>

// Equal letters regardless of ASCII case; any other byte must be the same.
bool EqualsIgnoringCase(std::string_view a_left, std::string_view a_right) noexcept;

// The text with ASCII capitals made small: equal for texts that are equal
// ignoring case as above, so that such texts can key a map.
std::string ToLowerAscii(std::string_view a_text);

// The text without the spaces and tabs at either end.
std::string_view TrimBlanks(std::string_view a_text) noexcept;
