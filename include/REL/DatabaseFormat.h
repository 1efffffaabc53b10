#pragma once
// The address library file format: header and delta-coded entries, decoded
// into a table of (ID, offset) pairs sorted by ID. Pure code, no Windows
// calls: the plugin, the addrlib tool and the fuzzer share it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "REL/DatabaseStream.h"
#include "REL/Version.h"

namespace REL::database
{
	// The one file format this build reads.
	inline constexpr std::uint32_t compiled_format = 2;

	// One table entry, as it lies in the shared table.
	struct mapping_t
	{
		std::uint64_t id;
		std::uint64_t offset;

		friend constexpr bool operator==(const mapping_t&, const mapping_t&) noexcept = default;
	};
	static_assert(sizeof(mapping_t) == 16);

	// Why a file can't be decoded; read failures (a truncated file) are
	// thrown by the stream instead.
	enum class status
	{
		// clang-format off
		ok,
		unsupported_format,  // the header's format isn't compiled_format
		unhandled_type,      // an entry's ID code is 8 to 15
		scaled_without_pointer_size,  // a scaled offset with pointer size 0
		entries_exceed_file,  // more entries than bytes left in the file
	};
	// clang-format on

	struct header_t
	{
		static constexpr std::size_t name_capacity = 20;  // 19 bytes and a terminator

		std::uint32_t format{ 0 };
		// clang-format off
		Version version;  // each stored 32-bit number keeps its low 16 bits
		std::uint32_t name_length{ 0 };  // as stored; bytes past the buffer are skipped
		std::array<char, name_capacity> name{};
		// clang-format on
		std::uint32_t pointer_size{ 0 };
		std::uint32_t address_count{ 0 };

		// Reads the header. Stops right after the format field when the
		// format isn't compiled_format (unsupported_format).
		status read(istream_t& a_in);

		std::string_view name_text() const noexcept;
	};

	// Every packed entry takes at least its type byte, so a count larger
	// than the bytes after the header can't be met; checked before anything
	// is sized by the count.
	status check_entry_count(const header_t& a_header, const istream_t& a_in) noexcept;

	// Decodes a_out.size() entries (the header's count) against the
	// previous entry. On an invalid entry returns its status and, when
	// a_failedEntry is given, the entry's index.
	status unpack(istream_t& a_in, const header_t& a_header, std::span<mapping_t> a_out, std::size_t* a_failedEntry = nullptr);

	// Ascending by ID.
	void sort(std::span<mapping_t> a_table) noexcept;

	// The entry with exactly a_id in a table sorted by ID, or null.
	const mapping_t* find(std::span<const mapping_t> a_table, std::uint64_t a_id) noexcept;

	// A short English description, for tools.
	std::string_view describe(status a_status) noexcept;
}
