#include "Settings/IniSection.h"

#include <utility>

#include <windows.h>

#include "Settings/IniFile.h"
#include "Settings/SectionNames.h"

IniSectionLines ReadIniSectionLines(std::string_view a_file, std::string_view a_section, std::string_view a_folder)
{
	const auto hasZeroByte = [](std::string_view a_text) { return a_text.find('\0') != std::string_view::npos; };
	if (a_file.empty() || a_section.empty() || hasZeroByte(a_file) || hasZeroByte(a_section) || hasZeroByte(a_folder)) {
		return { {}, true };
	}
	const auto path = GetIniPath(a_file, a_folder);
	if (path.size() > MaxIniPathLength) {
		return { {}, true };
	}
	const std::string section(a_section);
	// The section's list has the shape of the section-name list: texts each
	// ended by a zero byte, cut in the same way when the buffer is too small.
	auto list = ReadSectionNames([&](char* a_buffer, std::size_t a_size) -> std::size_t {
		return ::GetPrivateProfileSectionA(section.c_str(), a_buffer, static_cast<DWORD>(a_size), path.c_str());
	});
	return { std::move(list.names), list.complete };
}
