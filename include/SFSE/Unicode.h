#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace SFSE::stl
{
	// Strict conversions: invalid input gives nothing rather than a guess.
	std::optional<std::wstring> utf8_to_utf16(std::string_view a_in);
	std::optional<std::string> utf16_to_utf8(std::wstring_view a_in);
}
