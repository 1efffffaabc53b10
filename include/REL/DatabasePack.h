#pragma once
// Writing address library files: the addrlib tool, the simulated game, the
// tests and the benchmark all pack with this. Pure code, no Windows calls.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

#include "REL/DatabaseFormat.h"
#include "REL/Version.h"

namespace REL::database
{
	using bytes_t = std::vector<std::byte>;

	template <class T>
	void append_le(bytes_t& a_out, T a_value)
	{
		static_assert(std::is_unsigned_v<T>);
		for (std::size_t i = 0; i < sizeof(T); ++i) {
			a_out.push_back(static_cast<std::byte>((a_value >> (8 * i)) & 0xFF));
		}
	}

	// The header fields exactly as given; the name length is the name's
	// size. Format and count are parameters so that tests can write wrong
	// ones.
	void append_header(bytes_t& a_out, std::uint32_t a_format, const Version& a_version, std::string_view a_name,
		std::uint32_t a_pointerSize, std::uint32_t a_addressCount);

	// The entries in the order given (the reader sorts), each in its
	// shortest form: deltas against the previous entry where they fit, and
	// offsets scaled by the pointer size when that is shorter.
	void append_entries(bytes_t& a_out, std::span<const mapping_t> a_entries, std::uint32_t a_pointerSize);

	// A complete file.
	bytes_t pack(const Version& a_version, std::span<const mapping_t> a_entries, std::string_view a_name = {},
		std::uint32_t a_pointerSize = 8);

	// Writes (replaces) a file; false when it can't be written completely.
	bool write_file(const std::filesystem::path& a_path, std::span<const std::byte> a_bytes);
}
