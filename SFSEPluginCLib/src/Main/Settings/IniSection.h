#pragma once
// One whole section of an INI file in a single read, instead of one read per
// key (IniFile.h); SectionReading.h works out what each key reads as.
#include <string>
#include <string_view>
#include <vector>

struct IniSectionLines
{
	// As the platform lists them, in file order, in the text the narrow INI
	// functions give (the ANSI code page): "key=value", or the key alone for
	// a line without an equals sign.
	std::vector<std::string> lines;
	// False, and no lines, when the lines can't stand for the section:
	// longer than MaxSectionListSize, or with a key name the code page can't
	// hold, whose narrow text may read as another key (the Kelvin sign of a
	// UTF-8 file becomes "K", which a read of "k" never finds).
	bool complete;
};

// The lines of a_section in the INI a_file (a base name, in a_folder or, when
// that is empty, GetPluginFolder(), as ReadIniValue takes them). Of a
// section that appears twice, the first, as a read of one key finds it.
// None when an argument is empty or the path too long, the file or the
// section missing.
IniSectionLines ReadIniSectionLines(std::string_view a_file, std::string_view a_section, std::string_view a_folder);
