#include "SFSE/BranchCode.h"

#include <cstring>
#include <limits>

namespace SFSE::branch
{
	Bounds search_bounds(std::uint64_t a_address, std::uint64_t a_granularity) noexcept
	{
		constexpr auto top = std::numeric_limits<std::uint64_t>::max();
		const std::uint64_t lower = a_address < kReach ? 0 : align_up(a_address - kReach, a_granularity);
		const std::uint64_t upper = a_address >= top - kReach ? top : align_down(a_address + kReach, a_granularity);
		return { lower, upper };
	}

	std::optional<std::int32_t> displacement(std::uint64_t a_site, std::size_t a_length, std::uint64_t a_target) noexcept
	{
		const auto end = a_site + a_length;
		// Two's complement difference, then a range check on the signed value.
		const auto difference = static_cast<std::int64_t>(a_target - end);
		if (difference < std::numeric_limits<std::int32_t>::min() || difference > std::numeric_limits<std::int32_t>::max()) {
			return std::nullopt;
		}
		return static_cast<std::int32_t>(difference);
	}

	std::array<std::uint8_t, kBranch5Size> encode_branch5(std::uint8_t a_opcode, std::int32_t a_displacement) noexcept
	{
		std::array<std::uint8_t, kBranch5Size> bytes{ a_opcode };
		const auto value = static_cast<std::uint32_t>(a_displacement);
		for (std::size_t i = 0; i < 4; ++i) {
			bytes[1 + i] = static_cast<std::uint8_t>(value >> (8 * i));
		}
		return bytes;
	}

	std::array<std::uint8_t, kAbsoluteJumpSize> encode_absolute_jump(std::uint64_t a_destination) noexcept
	{
		std::array<std::uint8_t, kAbsoluteJumpSize> bytes{ 0xFF, 0x25, 0x00, 0x00, 0x00, 0x00 };
		for (std::size_t i = 0; i < 8; ++i) {
			bytes[6 + i] = static_cast<std::uint8_t>(a_destination >> (8 * i));
		}
		return bytes;
	}

	std::optional<std::uint64_t> decode_call5(std::uint64_t a_site, const std::uint8_t* a_code) noexcept
	{
		if (a_code[0] != kCallOpcode) {
			return std::nullopt;
		}
		std::uint32_t value = 0;
		for (std::size_t i = 0; i < 4; ++i) {
			value |= static_cast<std::uint32_t>(a_code[1 + i]) << (8 * i);
		}
		const auto signedValue = static_cast<std::int64_t>(static_cast<std::int32_t>(value));
		return a_site + kBranch5Size + static_cast<std::uint64_t>(signedValue);
	}

	SearchResult find_memory_in_reach(memory::Memory& a_memory, std::size_t a_size, std::uint64_t a_address)
	{
		SearchResult result;
		const std::uint64_t granularity = a_memory.allocation_granularity();
		const auto bounds = search_bounds(a_address, granularity);

		std::uint64_t position = bounds.lower;
		for (;;) {
			memory::Region region;
			if (!a_memory.query(static_cast<std::uintptr_t>(position), region)) {
				result.query_error = a_memory.last_error();
				return result;
			}
			const std::uint64_t next = region.base + region.size;
			// A region that doesn't move the walk on (empty, or wrapping
			// round the top) would repeat forever.
			if (next <= position) {
				return result;
			}
			if (region.state == memory::kMemFree) {
				// Never below the reach (a region may begin before it), and never
				// address 0, which would let the system place the block
				// anywhere.
				std::uint64_t candidate = align_up(region.base < bounds.lower ? bounds.lower : region.base, granularity);
				if (candidate == 0) {
					candidate = granularity;
				}
				if (candidate != 0 && candidate >= region.base && candidate < next && next - candidate >= a_size && candidate + a_size <= bounds.upper) {
					if (auto* memory = a_memory.allocate(static_cast<std::uintptr_t>(candidate), a_size, memory::kPageExecuteReadWrite)) {
						result.memory = memory;
						return result;
					}
					result.allocation_errors.push_back(a_memory.last_error());
				}
			}
			if (next >= bounds.upper) {
				return result;
			}
			position = next;
		}
	}
}
