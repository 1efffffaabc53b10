#pragma once
// An address space a test describes region by region, behind the memory
// seam: queries answer from the list, allocations are recorded (and may be
// refused), nothing is really mapped.
#include <cstdint>
#include <set>
#include <vector>

#include "SFSE/Memory.h"

namespace test
{
	class FakeMemory final : public SFSE::memory::Memory
	{
	public:
		std::vector<SFSE::memory::Region> regions;  // ascending, without gaps
		std::set<std::uintptr_t> refusedAllocations;
		std::uintptr_t failingQuery{ UINTPTR_MAX };
		std::uint32_t granularity{ 0x10000 };
		std::uint32_t error{ 0 };

		std::vector<std::uintptr_t> queries;
		std::vector<std::uintptr_t> allocations;

		void add(std::uintptr_t a_base, std::size_t a_size, std::uint32_t a_state)
		{
			regions.push_back({ a_base, a_size, a_state, 0 });
		}

		bool query(std::uintptr_t a_address, SFSE::memory::Region& a_region) noexcept override
		{
			queries.push_back(a_address);
			if (a_address == failingQuery) {
				error = 5;
				return false;
			}
			for (const auto& region : regions) {
				if (a_address >= region.base && a_address - region.base < region.size) {
					a_region = region;
					return true;
				}
			}
			error = 87;
			return false;
		}

		void* allocate(std::uintptr_t a_address, std::size_t, std::uint32_t) noexcept override
		{
			allocations.push_back(a_address);
			if (refusedAllocations.contains(a_address)) {
				error = 0x1E7;
				return nullptr;
			}
			return reinterpret_cast<void*>(a_address);
		}

		bool release(void*) noexcept override { return true; }
		bool protect(std::uintptr_t, std::size_t, std::uint32_t, std::uint32_t&) noexcept override { return false; }
		std::uint32_t allocation_granularity() noexcept override { return granularity; }
		std::uint32_t page_size() noexcept override { return 0x1000; }
		void flush_instruction_cache(std::uintptr_t, std::size_t) noexcept override {}
		std::uint32_t last_error() noexcept override { return error; }
	};
}
