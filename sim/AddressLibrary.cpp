#include "sim/AddressLibrary.h"

#include <stdexcept>

#include <windows.h>

#include "sim/GameIndex.h"
#include "REL/DatabasePack.h"
#include "REL/Module.h"

namespace sim
{
	std::vector<REL::database::mapping_t> game_address_library()
	{
		const auto base = game_base();
		std::vector<REL::database::mapping_t> entries;
		for (const auto& item : game_items()) {
			entries.push_back({ item.id.id(), item.address - base });
		}
		return entries;
	}

	std::wstring address_library_name(const REL::Version& a_version, bool a_steam)
	{
		auto name = L"versionlib-" + std::filesystem::path(a_version.string("-")).wstring();
		if (!a_steam) {
			name += L"-1";
		}
		return name + L".bin";
	}

	std::filesystem::path write_address_library(const std::filesystem::path& a_folder, const REL::Version& a_version,
		bool a_steam, std::span<const REL::database::mapping_t> a_entries)
	{
		const auto path = a_folder / address_library_name(a_version, a_steam);
		if (!REL::database::write_file(path, REL::database::pack(a_version, a_entries, "SimStarfield"))) {
			throw std::runtime_error("can't write the address library " + path.string());
		}
		return path;
	}

	void write_address_libraries(const std::filesystem::path& a_pluginsFolder)
	{
		std::wstring executable(MAX_PATH, L'\0');
		executable.resize(::GetModuleFileNameW(nullptr, executable.data(), MAX_PATH));
		// A game without a version resource has no library to match.
		const auto version = REL::get_file_version(executable);
		if (!version) {
			return;
		}
		const auto entries = game_address_library();
		write_address_library(a_pluginsFolder, *version, true, entries);
		write_address_library(a_pluginsFolder, *version, false, entries);
	}
}
