#pragma once
// The simulated game's address library: every item of the game index at its
// offset from the game's base, packed into the file the plugin looks for.
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "REL/DatabaseFormat.h"
#include "REL/Version.h"

namespace sim
{
	// (ID, offset from the game's base) for every item of the game index.
	std::vector<REL::database::mapping_t> game_address_library();

	// "versionlib-1-14-70-0.bin" on Steam, "versionlib-1-14-70-0-1.bin" on
	// any other platform.
	std::wstring address_library_name(const REL::Version& a_version, bool a_steam);

	// Packs a_entries for a_version into a_folder under the platform's name;
	// returns the file's path. Throws std::runtime_error when it can't write.
	std::filesystem::path write_address_library(const std::filesystem::path& a_folder, const REL::Version& a_version,
		bool a_steam, std::span<const REL::database::mapping_t> a_entries);

	// The running game's library under both names in a_pluginsFolder, as an
	// installed game has it; nothing for a game without a version resource.
	void write_address_libraries(const std::filesystem::path& a_pluginsFolder);
}
