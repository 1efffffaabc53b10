#pragma once
// The arithmetic behind call hooks: how far a relative branch reaches, the
// bytes of a 5-byte branch and of a 14-byte absolute jump, and the search for
// free memory within reach of an address. No Windows calls: memory is seen
// only through the memory seam.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "SFSE/Memory.h"

namespace SFSE::branch
{
	inline constexpr std::size_t kBranch5Size = 5;
	inline constexpr std::size_t kAbsoluteJumpSize = 14;
	inline constexpr std::uint8_t kCallOpcode = 0xE8;
	inline constexpr std::uint8_t kJumpOpcode = 0xE9;
	inline constexpr std::uint64_t kReach = 0x80000000;  // 2 GiB either way

	constexpr std::uint64_t align_up(std::uint64_t a_value, std::uint64_t a_alignment) noexcept
	{
		return a_alignment == 0 ? a_value : (a_value + a_alignment - 1) / a_alignment * a_alignment;
	}

	constexpr std::uint64_t align_down(std::uint64_t a_value, std::uint64_t a_alignment) noexcept
	{
		return a_alignment == 0 ? a_value : a_value / a_alignment * a_alignment;
	}

	struct Bounds
	{
		std::uint64_t lower;
		std::uint64_t upper;
		friend constexpr bool operator==(const Bounds&, const Bounds&) noexcept = default;
	};

	// The range searched for memory in reach of a_address, its ends rounded
	// inwards to a_granularity: from 0 below 2 GiB, up to the top of the
	// address space near its end.
	Bounds search_bounds(std::uint64_t a_address, std::uint64_t a_granularity) noexcept;

	// The displacement of a branch at a_site of a_length bytes to a_target
	// (measured from the branch's end); nothing when it doesn't fit 32 bits.
	std::optional<std::int32_t> displacement(std::uint64_t a_site, std::size_t a_length, std::uint64_t a_target) noexcept;

	std::array<std::uint8_t, kBranch5Size> encode_branch5(std::uint8_t a_opcode, std::int32_t a_displacement) noexcept;

	// FF 25 00000000 and the 64-bit destination: jmp [rip+0].
	std::array<std::uint8_t, kAbsoluteJumpSize> encode_absolute_jump(std::uint64_t a_destination) noexcept;

	// The target of the 5-byte relative call at a_site whose bytes are
	// a_code; nothing when they aren't one.
	std::optional<std::uint64_t> decode_call5(std::uint64_t a_site, const std::uint8_t* a_code) noexcept;

	struct SearchResult
	{
		void* memory{ nullptr };
		// Codes of refused allocations, in order; the search went on after
		// each.
		std::vector<std::uint32_t> allocation_errors;
		// The code of a failed region query, which ended the search.
		std::optional<std::uint32_t> query_error;
	};

	// Walks the address space up from the lower bound of a_address's reach
	// and commits a_size bytes, executable, in the first free region with
	// room for them wholly within reach.
	SearchResult find_memory_in_reach(memory::Memory& a_memory, std::size_t a_size, std::uint64_t a_address);
}
