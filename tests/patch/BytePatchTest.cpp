// Writing and comparing bytes of the game's code, on real pages (the game
// module's code, and pages at a boundary to data or to reserved memory), and
// addresses as the log shows them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Helpers/AddressText.h"
#include "Helpers/BytePatch.h"
#include "PatchTest.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;
	using BytePatch = test::PatchTest;
	using Bytes = std::vector<std::uint8_t>;

	const Bytes Enabled{ 0x83, 0xBD, 0xF0, 0x00, 0x00, 0x00, 0x08 };

	Bytes GameBytes() { return { std::begin(sim::ExitAnywhereGameBytes), std::end(sim::ExitAnywhereGameBytes) }; }

	struct RefusedCase
	{
		const char* what;
		std::function<bool()> call;
		const char* line;
	};

	TEST_F(BytePatch, BadArgumentsAreRefusedWithTheirLineAndTouchNothing)
	{
		const auto site = sim::exit_anywhere_site();
		const RefusedCase cases[]{
			{ "write nothing", [&] { return WriteBytes({}, site); }, "error: [WriteBytes] BytesToWrite.size == 0" },
			{ "write to zero", [&] { return WriteBytes(Enabled, 0); }, "error: [WriteBytes] TargetAddressBytePtr is nullptr" },
			{ "write too much", [&] { return WriteBytes(Bytes(201, 0x90), site); }, "error: [WriteBytes] BytesToWrite.size [201] is over the limit of 200 bytes" },
			{ "compare nothing", [&] { return ReadCompareBytes({}, site); }, "error: [ReadCompareBytes] BytesToCompareWith.size == 0" },
			{ "compare at zero", [&] { return ReadCompareBytes(GameBytes(), 0); }, "error: [ReadCompareBytes] TargetAddressBytePtr is nullptr" },
		};
		for (const bool logging : { true, false }) {
			for (const auto& c : cases) {
				const test::TestLog caseLog;
				bLogging = logging;
				EXPECT_FALSE(c.call()) << c.what;
				EXPECT_EQ(caseLog.entries(), logging ? std::vector<std::string>{ c.line } : std::vector<std::string>{}) << c.what;
				EXPECT_THAT(memory.changes(), IsEmpty()) << c.what;
				EXPECT_EQ(BytesAt(site, 7), GameBytes()) << c.what;
			}
		}
	}

	// The site lies within one aligned 8-byte word, as the game's does (the
	// function starts on 16 bytes, the site 0x6F8 into it): the word is
	// written whole and keeps its eighth byte, the next instruction's. A game
	// thread reading the word meanwhile never sees a mix of old and new (a
	// byte-by-byte copy shows one too rarely for a test to count on it).
	TEST_F(BytePatch, BytesWithinOneWordAreWrittenInOneStep)
	{
		const auto site = sim::exit_anywhere_site();
		ASSERT_EQ(site % 8, 0u);
		const auto* word = reinterpret_cast<const std::uint64_t*>(site);
		const auto eighth = static_cast<std::uint8_t>(*word >> 56);
		std::atomic<bool> bDone{ false };
		std::atomic<long> mixed{ 0 };
		std::thread reader([&] {
			const auto gameForm = GameBytes();
			while (!bDone.load(std::memory_order_relaxed)) {
				const auto seen = std::atomic_ref(*const_cast<std::uint64_t*>(word)).load(std::memory_order_relaxed);
				Bytes bytes(7);
				std::memcpy(bytes.data(), &seen, 7);
				mixed += bytes != gameForm && bytes != Enabled;
			}
		});
		for (int i = 0; i < 2'000; ++i) {
			ASSERT_TRUE(WriteBytes(i % 2 ? GameBytes() : Enabled, site));
		}
		bDone = true;
		reader.join();
		EXPECT_EQ(mixed.load(), 0);
		EXPECT_EQ(static_cast<std::uint8_t>(*word >> 56), eighth);
	}

	TEST_F(BytePatch, CompareReadsEveryByteAndChangesNoProtection)
	{
		const auto site = sim::exit_anywhere_site();
		auto lastDiffers = GameBytes();
		lastDiffers.back() ^= 1;
		auto firstDiffers = GameBytes();
		firstDiffers.front() ^= 1;

		EXPECT_TRUE(ReadCompareBytes(GameBytes(), site));
		EXPECT_FALSE(ReadCompareBytes(lastDiffers, site));
		EXPECT_FALSE(ReadCompareBytes(firstDiffers, site));
		EXPECT_FALSE(ReadCompareBytes(Enabled, site));
		EXPECT_TRUE(ReadCompareBytes({ 0x40 }, site));
		EXPECT_THAT(memory.changes(), IsEmpty());
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(BytePatch, WritingTheGamesCodeKeepsItsProtectionAndFlushesTheBytes)
	{
		const auto site = sim::exit_anywhere_site();
		const auto before = sim::protection_of(site);
		ASSERT_EQ(before & (PAGE_READWRITE | PAGE_EXECUTE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_WRITECOPY), 0u) << "the game's code is read-only";

		for (int round = 0; round < 2; ++round) {  // the second write finds its own bytes
			memory.clear();
			EXPECT_TRUE(WriteBytes(Enabled, site));
			EXPECT_EQ(BytesAt(site, 7), Enabled);
			EXPECT_EQ(sim::protection_of(site), before);
			ASSERT_EQ(memory.flushes().size(), 1u);
			EXPECT_EQ(memory.flushes()[0].address, site);
			EXPECT_EQ(memory.flushes()[0].size, 7u);
		}
		EXPECT_THAT(Entries(), IsEmpty());
	}

	struct BoundaryCase
	{
		const char* what;
		std::size_t before;  // bytes of the sequence in the code page
		std::size_t size;
	};

	TEST_F(BytePatch, EachPageGetsItsOwnProtectionBackAndTheDataAfterTheCodeStaysWritable)
	{
		const BoundaryCase cases[]{
			{ "ends at the boundary", 7, 7 },
			{ "ends a few bytes before it", 10, 7 },
			{ "crosses into the data", 3, 7 },
			{ "fills the limit across it", 100, 200 },
		};
		for (const auto& c : cases) {
			sim::BoundaryPages pages(sim::BoundaryPages::Next::data);
			const auto site = pages.boundary() - c.before;
			const Bytes bytes(c.size, 0x90);
			memory.clear();

			EXPECT_TRUE(WriteBytes(bytes, site)) << c.what;
			EXPECT_EQ(BytesAt(site, c.size), bytes) << c.what;
			EXPECT_EQ(sim::protection_of(pages.code()), static_cast<DWORD>(PAGE_EXECUTE_READ)) << c.what;
			EXPECT_EQ(sim::protection_of(pages.boundary()), static_cast<DWORD>(PAGE_READWRITE)) << c.what;
			// The data page is touched only when the bytes reach it.
			EXPECT_EQ(memory.changes_touching(pages.boundary(), pages.page_size()) > 0, c.before < c.size) << c.what;
			// A store into the data page, as the game makes, works.
			auto* data = reinterpret_cast<volatile std::uint32_t*>(pages.boundary() + 0x40);
			*data = 0x5EED;
			EXPECT_EQ(*data, 0x5EEDu) << c.what;
		}
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(BytePatch, APageThatCantBeMadeWritableStopsTheWriteBeforeAnyByte)
	{
		sim::BoundaryPages pages(sim::BoundaryPages::Next::reserved);
		const Bytes bytes(7, 0x90);

		// In the reserved page itself, and starting in the code page before it.
		EXPECT_FALSE(WriteBytes(bytes, pages.boundary()));
		EXPECT_FALSE(WriteBytes(bytes, pages.boundary() - 3));
		EXPECT_EQ(BytesAt(pages.boundary() - 3, 3), Bytes(3, 0xCC));
		EXPECT_EQ(sim::protection_of(pages.code()), static_cast<DWORD>(PAGE_EXECUTE_READ));
		EXPECT_EQ(sim::protection_of(pages.boundary()), 0u);
		EXPECT_THAT(Entries(), ElementsAre("error: [WriteBytes] VirtualProtect error 01.", "error: [WriteBytes] VirtualProtect error 01."));
	}

	TEST_F(BytePatch, ARefusedRestoreLeavesTheBytesWrittenAndSaysSo)
	{
		const auto site = sim::exit_anywhere_site();
		const auto before = sim::protection_of(site);
		memory.refuse = [](const sim::ProtectionChange& a_change) { return a_change.protection != PAGE_EXECUTE_READWRITE; };
		EXPECT_FALSE(WriteBytes(Enabled, site));
		memory.refuse = nullptr;
		EXPECT_EQ(BytesAt(site, 7), Enabled);
		// Still writable (an image page reports copy-on-write).
		EXPECT_NE(sim::protection_of(site) & (PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY), 0u);
		EXPECT_THAT(Entries(), ElementsAre("error: [WriteBytes] VirtualProtect error 02."));

		DWORD old = 0;
		::VirtualProtect(reinterpret_cast<void*>(site), 1, before, &old);
	}

	// The game loaded at a base of the test's choosing: every text below is
	// written out as the log must show it.
	class AddressText : public test::PatchTest
	{
	protected:
		AddressText() { GameModuleHandle = 0x7FF6A1B20000; }
	};

	struct TextCase
	{
		std::uint64_t address;
		bool relative;
		const char* text;
	};

	TEST_F(AddressText, BothFormsWithoutPrefixOrLeadingZeros)
	{
		const TextCase cases[]{
			{ 0, false, "" },
			{ 0, true, "" },
			{ 0xA0F0, false, "A0F0" },
			{ 0x5, false, "5" },
			{ 0xFFFFFFFFFFFFFFFF, false, "FFFFFFFFFFFFFFFF" },
			{ 0x7FF6A1B20000, false, "7FF6A1B20000" },
			{ 0x7FF6A1B20010, false, "7FF6A1B20010" },
			{ 0x7FF6A1B20010, true, "Starfield.exe + 0x10" },
			{ 0x7FF6A1B201F0, true, "Starfield.exe + 0x1F0" },
			{ 0x7FF6A4C3D5E7, true, "Starfield.exe + 0x311D5E7" },
		};
		for (const auto& c : cases) {
			EXPECT_EQ(GetAddressAsHex(c.address, c.relative), c.text) << std::hex << c.address;
		}
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(AddressText, AnAddressNotAboveTheGameIsShownAbsoluteWithOneErrorLine)
	{
		EXPECT_EQ(GetAddressAsHex(0x7FF6A1B20000, true), "7FF6A1B20000");
		EXPECT_EQ(GetAddressAsHex(0x7FF6A1B1FF00, true), "7FF6A1B1FF00");
		const auto logged = Entries();
		EXPECT_THAT(logged, ElementsAre("error: [GetAddressAsHex] calculated offset <= 0 --> [0]", "error: [GetAddressAsHex] calculated offset <= 0 --> [-256]"));

		bLogging = false;
		EXPECT_EQ(GetAddressAsHex(0x7FF6A1B20000, true), "7FF6A1B20000");
		EXPECT_EQ(Entries(), logged);
	}
}
