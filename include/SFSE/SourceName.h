#pragma once
// Pure text logic (no Windows calls): the short source file name shown in
// fatal message boxes.
#include <string>
#include <string_view>

namespace SFSE::detail
{
	// Everything after the leftmost path segment that is exactly "include"
	// or "src"; the whole name when there is none.
	std::string short_source_name(std::string_view a_fileName);

	// "<short name>(<line>): <message>"
	std::string fatal_box_text(std::string_view a_fileName, unsigned a_line, std::string_view a_message);
}
