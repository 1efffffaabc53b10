#pragma once
// The plugin's INI files, read and written through the Windows
// private-profile functions. Paths are narrow text, as those functions take
// them; a missing file reads as empty. Nothing here throws.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The host's plugin folder, relative to the game's folder (the current
// directory).
inline constexpr std::string_view PluginFolder = ".\\Data\\SFSE\\Plugins\\";

// The folder the files are read from and written to when a call names none:
// PluginFolder, unless a tool points it elsewhere (the INI checker takes it
// from its command line; the plugin never changes it). A folder ends with a
// backslash.
std::string_view GetPluginFolder() noexcept;
void SetPluginFolder(std::string a_folder);

// Base names of the two INI files: the one the plugin writes with defaults,
// and the user's own, which the plugin never writes.
inline constexpr std::string_view VanillaIniName = "Tarmacor";
inline constexpr std::string_view CustomIniName = "TarmacorCustom";

// The longest path the read and write calls take: their path buffer holds
// 255 bytes with the final zero.
inline constexpr std::size_t MaxIniPathLength = 254;

// The longest value a read returns whole: its buffer holds 10000 bytes with
// the final zero, and the platform cuts longer ones.
inline constexpr std::size_t MaxIniValueLength = 9999;

// Folder (or GetPluginFolder() when empty; a given folder ends with a
// backslash)
// + file + ".ini".
std::string GetIniPath(std::string_view a_file, std::string_view a_folder);

// The key's text; empty when the key is missing or empty, the file missing,
// an argument empty, or the path too long.
std::string ReadIniValue(std::string a_file, std::string a_section, std::string a_key, std::string a_folder);

// Adds or replaces the key, creating file and section as needed. True when
// the write succeeded and the key now reads back as a_value.
bool WriteIniValue(std::string a_file, std::string a_section, std::string a_key, std::string a_value, std::string a_folder);

// Whether anything (a folder too) exists at the INI's path.
bool DoesIniExist(std::string a_file, std::string a_folder);

// Whether a_folder + a_file is an existing regular file; false when the
// folder can't be queried.
bool DoesFileExistEx(std::string a_folder, std::string a_file);

// The file's section names in file order, as written; empty when the file is
// missing, no regular file, or has no section.
std::vector<std::string> GetIniSectionNames(std::string a_folder, std::string a_file);

// What a path names. Unknown: the query failed for a reason other than
// "not found" (access denied, a path too long for the platform, ...).
enum class PathKind
{
	kMissing,
	kFile,
	kFolder,
	kUnknown,
};

struct PathQuery
{
	PathKind kind;
	unsigned long error;  // the platform's error code for kMissing and kUnknown
};

PathQuery QueryPath(const std::string& a_path);
