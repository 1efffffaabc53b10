#pragma once
// What the plugin's INI files look like on disk: their stamps, so that a
// change can be told from a file merely touched by nothing, and whether
// they can be read whole now.
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
inline constexpr std::array<std::string_view, 2> IniFileBaseNames{ "Tarmacor", "TarmacorCustom" };

// The file a_baseName (".ini" added) in the plugin folder, as it is now.
IniFileStamp GetIniFileStamp(std::string_view a_baseName);
IniFileStamps GetIniFileStamps();

enum class IniFileAccess
{
	kMissing,
	kReadable,
	kHeld,        // another program holds it open, shared with nobody (an editor saving)
	kUnreadable,  // any other failure to open it for reading
};

// Whether the file can be opened for reading now; *a_error gets the
// platform's error code of a failure.
IniFileAccess GetIniFileAccess(std::string_view a_baseName, unsigned long* a_error = nullptr);
