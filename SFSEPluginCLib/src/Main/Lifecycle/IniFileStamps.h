#pragma once
// What the plugin's INI files looked like when they were last read, so that
// a change can be told from a file that is merely touched by nothing.
#include <array>
#include <cstdint>
#include <string_view>

struct IniFileStamp
{
	bool bExists{ false };
	std::uint64_t iLastWrite{ 0 };  // the platform's file time
	std::uint64_t iSize{ 0 };

	friend bool operator==(const IniFileStamp&, const IniFileStamp&) = default;
};

// The vanilla INI's, then the custom INI's.
using IniFileStamps = std::array<IniFileStamp, 2>;

// The file a_baseName (".ini" added) in the plugin folder, as it is now.
IniFileStamp GetIniFileStamp(std::string_view a_baseName);
IniFileStamps GetIniFileStamps();

// Whether something holds the file open so that nobody else may read it (an
// editor saving). A missing file is not held.
bool IsIniFileHeld(std::string_view a_baseName);
