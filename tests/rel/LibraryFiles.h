#pragma once
// Address library files for the tests in the simulated game.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "REL/DatabasePack.h"
#include "REL/Version.h"
#include "sim/AddressLibrary.h"

namespace test
{
	// A game version no other test uses: its shared table's name
	// ("Orlathen-Offsets-v2-1-14-70-<1000 + n>-1") is this test's alone,
	// even while other test processes run beside it.
	inline REL::Version OwnVersion(std::uint16_t a_n)
	{
		return { 1, 14, 70, static_cast<REL::Version::value_type>(1000 + a_n) };
	}

	// The non-Steam library file for a_version in a_plugins, holding a_bytes
	// exactly.
	inline std::filesystem::path WriteLibraryBytes(const std::filesystem::path& a_plugins, const REL::Version& a_version,
		std::span<const std::byte> a_bytes)
	{
		const auto path = a_plugins / sim::address_library_name(a_version, false);
		REL::database::write_file(path, a_bytes);
		return path;
	}
}
