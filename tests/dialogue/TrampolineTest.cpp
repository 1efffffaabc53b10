#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include <spdlog/spdlog.h>
#include <windows.h>

#include "FakeMemory.h"
#include "SFSE/Memory.h"
#include "SFSE/Trampoline.h"
#include "TestLog.h"
#include "sim/platform/MessageBoxes.h"

namespace
{
	using testing::AllOf;
	using testing::ElementsAre;
	using testing::HasSubstr;
	using testing::IsEmpty;

	// The system's memory, except that protection changes are refused.
	class RefusingProtection final : public SFSE::memory::Memory
	{
	public:
		SFSE::memory::Memory& real = SFSE::memory::system();
		bool query(std::uintptr_t a, SFSE::memory::Region& r) noexcept override { return real.query(a, r); }
		void* allocate(std::uintptr_t a, std::size_t s, std::uint32_t p) noexcept override { return real.allocate(a, s, p); }
		bool release(void* a) noexcept override { return real.release(a); }
		bool protect(std::uintptr_t, std::size_t, std::uint32_t, std::uint32_t&) noexcept override { return false; }
		std::uint32_t allocation_granularity() noexcept override { return real.allocation_granularity(); }
		std::uint32_t page_size() noexcept override { return real.page_size(); }
		void flush_instruction_cache(std::uintptr_t a, std::size_t s) noexcept override { real.flush_instruction_cache(a, s); }
		std::uint32_t last_error() noexcept override { return real.last_error(); }
	};

	class TrampolineTest : public testing::Test
	{
	protected:
		TrampolineTest()
		{
			trampoline.create(512);
			// Sites of our own, within reach of the block.
			sites = static_cast<std::uint8_t*>(trampoline.do_create(0x1000, reinterpret_cast<std::uintptr_t>(trampoline.data())));
			std::memset(sites, 0x90, 0x1000);
		}
		~TrampolineTest() override { SFSE::memory::system().release(sites); }

		std::uintptr_t site(std::size_t a_offset) const { return reinterpret_cast<std::uintptr_t>(sites + a_offset); }

		static std::array<std::uint8_t, 5> CallTo(std::uintptr_t a_site, std::uintptr_t a_stub)
		{
			const auto displacement = static_cast<std::int32_t>(a_stub - (a_site + 5));
			std::array<std::uint8_t, 5> call{ 0xE8 };
			std::memcpy(&call[1], &displacement, 4);
			return call;
		}

		static std::array<std::uint8_t, 5> BytesAt(std::uintptr_t a_address)
		{
			std::array<std::uint8_t, 5> bytes;
			std::memcpy(bytes.data(), reinterpret_cast<const void*>(a_address), 5);
			return bytes;
		}

		test::TestLog log;
		SFSE::Trampoline trampoline{ "Test Trampoline" };
		std::uint8_t* sites{ nullptr };
	};

	TEST_F(TrampolineTest, AFreshBlockIsAllInt3AndItsStatsSayNothingIsUsed)
	{
		spdlog::default_logger()->set_level(spdlog::level::debug);
		SFSE::Trampoline fresh{ "Fresh" };
		std::vector<std::uint8_t> block(512, 0x00);
		fresh.take_block(block.data(), block.size(), {});
		EXPECT_TRUE(std::all_of(block.begin(), block.end(), [](std::uint8_t b) { return b == 0xCC; }));
		fresh.take_block(nullptr, 512, {});  // no memory: no room either
		EXPECT_EQ(fresh.capacity(), 0u);
		spdlog::default_logger()->flush();
		EXPECT_THAT(log.entries(), ElementsAre("debug: Fresh => 0B / 512B (00.00%)", "debug: Fresh => 0B / 0B (00.00%)"));
	}

	TEST_F(TrampolineTest, TwoBranchesToOneDestinationShareOneStub)
	{
		const std::uintptr_t hookA = 0x0123456789ABCDEF;
		const std::uintptr_t hookB = 0x00007FF612345678;
		trampoline.write_5branch(site(0x10), hookA, 0xE8);
		EXPECT_EQ(trampoline.size(), 14u);
		trampoline.write_5branch(site(0x800), hookA, 0xE8);
		EXPECT_EQ(trampoline.size(), 14u);
		trampoline.write_5branch(site(0x20), hookB, 0xE8);
		EXPECT_EQ(trampoline.size(), 28u);

		const auto stubA = trampoline.stub_of(hookA);
		EXPECT_EQ(stubA, reinterpret_cast<std::uintptr_t>(trampoline.data()));
		EXPECT_EQ(trampoline.stub_of(hookB), stubA + 14);
		EXPECT_EQ(BytesAt(site(0x10)), CallTo(site(0x10), stubA));
		EXPECT_EQ(BytesAt(site(0x800)), CallTo(site(0x800), stubA));
		EXPECT_EQ(BytesAt(site(0x20)), CallTo(site(0x20), stubA + 14));
		const std::array<std::uint8_t, 14> jumpA{ 0xFF, 0x25, 0, 0, 0, 0, 0xEF, 0xCD, 0xAB, 0x89, 0x67, 0x45, 0x23, 0x01 };
		EXPECT_EQ(0, std::memcmp(trampoline.data(), jumpA.data(), 14));
		EXPECT_EQ(static_cast<std::uint8_t>(trampoline.data()[28]), 0xCC);  // the rest still int3
	}

	TEST_F(TrampolineTest, ARefusedProtectionLeavesTheSiteButWritesTheStub)
	{
		RefusingProtection refusing;
		const SFSE::memory::ScopedOverride seam(refusing);
		trampoline.write_5branch(site(0x40), 0x1234, 0xE8);
		EXPECT_EQ(BytesAt(site(0x40)), (std::array<std::uint8_t, 5>{ 0x90, 0x90, 0x90, 0x90, 0x90 }));
		EXPECT_EQ(static_cast<std::uint8_t>(trampoline.data()[0]), 0xFF);
		EXPECT_THAT(log.entries(), IsEmpty());
	}

	TEST_F(TrampolineTest, TheSearchReportsRefusalsAndFailedQueries)
	{
		test::FakeMemory memory;
		memory.add(0, 0x100000000, SFSE::memory::kMemCommit);
		memory.add(0x100000000, 0x10000, SFSE::memory::kMemFree);
		memory.refusedAllocations.insert(0x100000000);
		memory.failingQuery = 0x100010000;
		const SFSE::memory::ScopedOverride seam(memory);
		EXPECT_EQ(trampoline.do_create(512, 0x140000000), nullptr);
		EXPECT_THAT(log.entries(), ElementsAre("warning: VirtualAlloc failed with code: 0x000001E7", "error: VirtualQuery failed with code: 0x00000005"));
	}

	TEST(DefaultTrampoline, OneNamedInstanceWithoutABlockUntilGivenOne)
	{
		auto& trampoline = SFSE::DefaultTrampoline();
		EXPECT_EQ(&trampoline, &SFSE::DefaultTrampoline());
		EXPECT_EQ(trampoline.name(), "Default Trampoline");
		EXPECT_EQ(trampoline.data(), nullptr);
		EXPECT_EQ(trampoline.capacity(), 0u);
	}

	testing::Matcher<const std::string&> FatalBox(const std::string& a_message)
	{
		return AllOf(HasSubstr("message box [dialogue_tests.exe]: "), HasSubstr("Trampoline.cpp("), HasSubstr("): " + a_message));
	}

	void FailInChild(void (*a_failure)())
	{
		sim::capture_message_boxes(::GetModuleHandleW(nullptr));
		a_failure();
		std::exit(0);  // not fatal after all
	}

	TEST(TrampolineDeathTest, NoMemoryInReachAFullBlockAndAStubOutOfReachAreFatal)
	{
		EXPECT_EXIT(FailInChild([] {
			test::FakeMemory memory;
			memory.add(0, UINTPTR_MAX, SFSE::memory::kMemCommit);
			const SFSE::memory::ScopedOverride seam(memory);
			SFSE::Trampoline trampoline;
			trampoline.create(512);
		}),
			testing::ExitedWithCode(1), FatalBox("failed to create trampoline"));

		EXPECT_EXIT(FailInChild([] {
			std::vector<std::uint8_t> block(512);
			std::vector<std::uint8_t> code(64);
			SFSE::Trampoline trampoline;
			trampoline.take_block(block.data(), block.size(), {});
			// 36 stubs fit into 512 bytes; the 37th doesn't.
			for (std::uintptr_t destination = 1; destination <= 37; ++destination) {
				trampoline.do_allocate(14);
			}
		}),
			testing::ExitedWithCode(1), FatalBox("Failed to handle allocation request"));

		EXPECT_EXIT(FailInChild([] {
			std::vector<std::uint8_t> block(512);
			SFSE::Trampoline trampoline;
			trampoline.take_block(block.data(), block.size(), {});
			// The site is never written: the reach is checked first.
			trampoline.write_5branch(reinterpret_cast<std::uintptr_t>(block.data()) + 0x80000000ull, 0x1234, 0xE8);
		}),
			testing::ExitedWithCode(1), FatalBox("displacement is out of range"));
	}
}
