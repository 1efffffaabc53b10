#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "FakeMemory.h"
#include "SFSE/BranchCode.h"

namespace
{
	using namespace SFSE::branch;
	using SFSE::memory::kMemCommit;
	using SFSE::memory::kMemFree;
	using testing::ElementsAre;
	using testing::IsEmpty;

	constexpr std::uint64_t G = 0x10000;
	constexpr std::uint64_t kTop = std::numeric_limits<std::uint64_t>::max();

	TEST(BranchCode, SearchBoundsReachTwoGiBEitherWayRoundedInwards)
	{
		struct Case
		{
			std::uint64_t address;
			Bounds expected;
		};
		const Case cases[] = {
			{ 0x7FFFFFFF, { 0, 0xFFFF0000 } },  // below 2 GiB: from 0
			{ 0x80000000, { 0, 0x100000000 } },
			{ 0x140012345, { 0xC0020000, 0x1C0010000 } },
			{ 0xFFFFFFFF7FFFFFFF, { 0xFFFFFFFF00000000, kTop } },  // near the top: to the end
			{ kTop, { 0xFFFFFFFF80000000, kTop } },
		};
		for (const auto& c : cases) {
			EXPECT_EQ(search_bounds(c.address, G), c.expected) << std::hex << c.address;
		}
	}

	TEST(BranchCode, DisplacementsFitSignedThirtyTwoBitsFromTheBranchEnd)
	{
		constexpr std::uint64_t site = 0x140001000;
		constexpr std::int64_t max = std::numeric_limits<std::int32_t>::max();
		constexpr std::int64_t min = std::numeric_limits<std::int32_t>::min();
		EXPECT_EQ(displacement(site, 5, site + 5), 0);
		EXPECT_EQ(displacement(site, 5, site), -5);
		EXPECT_EQ(displacement(site, 5, site + 5 + max), max);
		EXPECT_EQ(displacement(site, 5, site + 5 + min), min);
		EXPECT_EQ(displacement(site, 5, site + 5 + max + 1), std::nullopt);
		EXPECT_EQ(displacement(site, 5, site + 5 + min - 1), std::nullopt);
		EXPECT_EQ(displacement(0x10, 5, kTop), -0x16);  // wraps round the bottom
	}

	TEST(BranchCode, BranchAndStubBytes)
	{
		EXPECT_THAT(encode_branch5(kCallOpcode, 0x12345678), ElementsAre(0xE8, 0x78, 0x56, 0x34, 0x12));
		EXPECT_THAT(encode_branch5(kCallOpcode, -2), ElementsAre(0xE8, 0xFE, 0xFF, 0xFF, 0xFF));
		EXPECT_THAT(encode_absolute_jump(0x0123456789ABCDEF),
			ElementsAre(0xFF, 0x25, 0, 0, 0, 0, 0xEF, 0xCD, 0xAB, 0x89, 0x67, 0x45, 0x23, 0x01));

		const std::uint8_t back[] = { 0xE8, 0xFB, 0xFF, 0xFF, 0xFF };
		EXPECT_EQ(decode_call5(0x1000, back), 0x1000u);
		const std::uint8_t forward[] = { 0xE8, 0x00, 0x01, 0x00, 0x00 };
		EXPECT_EQ(decode_call5(0x1000, forward), 0x1105u);
		const std::uint8_t jump[] = { 0xE9, 0x00, 0x00, 0x00, 0x00 };
		EXPECT_EQ(decode_call5(0x1000, jump), std::nullopt);
	}

	TEST(BranchCode, AnAddressBelowTwoGiBSearchesFromZeroButNeverAllocatesAtZero)
	{
		test::FakeMemory memory;
		memory.add(0, 0x40000000, kMemFree);
		const auto result = find_memory_in_reach(memory, 512, 0x30000000);
		EXPECT_THAT(memory.queries, ElementsAre(0u));
		// Address 0 would let the system put the block anywhere.
		EXPECT_THAT(memory.allocations, ElementsAre(G));
		EXPECT_EQ(result.memory, reinterpret_cast<void*>(G));
	}

	TEST(BranchCode, TheSearchWalksRegionsAndGoesOnAfterARefusal)
	{
		test::FakeMemory memory;
		const std::uint64_t address = 0x1C0000000;
		memory.add(0, 0x140000000, kMemCommit);
		memory.add(0x140000000, 0x1000, kMemFree);   // room for 512 bytes, but refused
		memory.add(0x140001000, 0xE000, kMemFree);   // rounded up to 0x140010000: past its end
		memory.add(0x14000F000, 0x20000, kMemFree);  // 0x140010000 has room
		memory.refusedAllocations.insert(0x140000000);
		const auto result = find_memory_in_reach(memory, 512, address);
		EXPECT_EQ(memory.queries.front(), 0x140000000u);
		EXPECT_THAT(memory.allocations, ElementsAre(0x140000000u, 0x140010000u));
		EXPECT_THAT(result.allocation_errors, ElementsAre(0x1E7u));
		EXPECT_EQ(result.memory, reinterpret_cast<void*>(0x140010000));
	}

	TEST(BranchCode, NoFreeMemoryWithinReachFindsNothing)
	{
		struct Case
		{
			const char* what;
			std::uint64_t freeBase;
			std::uint64_t freeSize;
		};
		const std::uint64_t address = 0x200000000;
		const Case cases[] = {
			{ "everything in use", 0, 0 },
			{ "free only beyond the reach", 0x280000000, 0x100000 },
			// The block would end beyond the reach.
			{ "free only where the block would stick out", 0x27FFF8000, 0x100000 },
			{ "free but too small", 0x1F0000000, 0x100 },
		};
		for (const auto& c : cases) {
			test::FakeMemory memory;
			memory.add(0, c.freeBase ? c.freeBase : 0x300000000, kMemCommit);
			if (c.freeBase) {
				memory.add(c.freeBase, c.freeSize, kMemFree);
				memory.add(c.freeBase + c.freeSize, 0x300000000, kMemCommit);
			}
			const auto result = find_memory_in_reach(memory, 512, address);
			EXPECT_EQ(result.memory, nullptr) << c.what;
			EXPECT_FALSE(result.query_error) << c.what;
			EXPECT_THAT(result.allocation_errors, IsEmpty()) << c.what;
		}
	}

	TEST(BranchCode, AFailedQueryEndsTheSearchWithItsCode)
	{
		test::FakeMemory memory;
		memory.add(0x100000000, 0x10000, kMemCommit);
		memory.failingQuery = 0x100010000;
		const auto result = find_memory_in_reach(memory, 512, 0x180000000);
		EXPECT_EQ(result.memory, nullptr);
		EXPECT_EQ(result.query_error, 5u);
	}

	TEST(BranchCode, AFreeRegionBeginningBelowTheReachIsUsedFromTheReachOn)
	{
		test::FakeMemory memory;
		memory.add(0, 0x200000000, kMemFree);
		const auto result = find_memory_in_reach(memory, 512, 0x200000000);
		EXPECT_THAT(memory.allocations, ElementsAre(0x180000000u));
		EXPECT_EQ(result.memory, reinterpret_cast<void*>(0x180000000));
	}

	TEST(BranchCode, ARegionThatDoesNotMoveTheWalkOnEndsIt)
	{
		// An address space that answers every query with an empty region:
		// the walk would ask about the same place forever.
		struct Stuck final : SFSE::memory::Memory
		{
			int queries = 0;
			bool query(std::uintptr_t a_address, SFSE::memory::Region& a_region) noexcept override
			{
				++queries;
				a_region = { a_address, 0, kMemCommit, 0 };
				return true;
			}
			void* allocate(std::uintptr_t, std::size_t, std::uint32_t) noexcept override { return nullptr; }
			bool release(void*) noexcept override { return true; }
			bool protect(std::uintptr_t, std::size_t, std::uint32_t, std::uint32_t&) noexcept override { return false; }
			std::uint32_t allocation_granularity() noexcept override { return 0x10000; }
			std::uint32_t page_size() noexcept override { return 0x1000; }
			void flush_instruction_cache(std::uintptr_t, std::size_t) noexcept override {}
			std::uint32_t last_error() noexcept override { return 0; }
		} stuck;
		EXPECT_EQ(find_memory_in_reach(stuck, 512, 0x180000000).memory, nullptr);
		EXPECT_EQ(stuck.queries, 1);
	}
}
