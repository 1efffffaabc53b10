#pragma once
// INI lines joined with "\r\n", as the game's INI files end their lines.
#include <initializer_list>
#include <string>
#include <string_view>

namespace test
{
	inline std::string IniText(std::initializer_list<std::string_view> a_lines)
	{
		std::string text;
		for (const auto line : a_lines) {
			text += line;
			text += "\r\n";
		}
		return text;
	}
}
