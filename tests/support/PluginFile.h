#pragma once
// Writing a file the plugin reads through the private-profile functions.
// Those keep a parsed copy of an INI file until its last-write time changes,
// and file times move only every few milliseconds: a file rewritten within
// one tick would be read as it was.
#include <filesystem>
#include <string_view>

namespace test
{
	// Writes a_bytes into a_folder/a_name, replacing what was there, and gives
	// the file a last-write time no earlier call in this process gave.
	void WritePluginFile(const std::filesystem::path& a_folder, std::string_view a_name, std::string_view a_bytes);
}
