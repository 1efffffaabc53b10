#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

#include "REL/DatabaseFormat.h"
#include "REL/DatabasePack.h"

namespace
{
	using namespace REL::database;

	std::vector<mapping_t> Unpacked(const bytes_t& a_file, header_t* a_header = nullptr)
	{
		istream_t in(a_file);
		header_t header;
		EXPECT_EQ(header.read(in), status::ok);
		std::vector<mapping_t> entries(header.address_count);
		EXPECT_EQ(unpack(in, header, entries), status::ok);
		EXPECT_EQ(in.remaining(), 0u);
		if (a_header) {
			*a_header = header;
		}
		return entries;
	}

	bytes_t Bytes(std::initializer_list<unsigned> a_values)
	{
		bytes_t bytes;
		for (const auto value : a_values) {
			bytes.push_back(static_cast<std::byte>(value));
		}
		return bytes;
	}

	constexpr std::size_t kHeaderSize = 4 + 16 + 4 + 4 + 4;  // without a name

	TEST(AddressLibraryPacking, LaysOutTheHeaderFieldByField)
	{
		bytes_t bytes;
		append_header(bytes, 2, REL::Version(1, 14, 70, 3), "ab", 8, 0x01020304);
		// clang-format off
		EXPECT_EQ(bytes, Bytes({ 2, 0, 0, 0, 1, 0, 0, 0, 14, 0, 0, 0, 70, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 'a', 'b',
							 8, 0, 0, 0, 4, 3, 2, 1 }));
		// clang-format on
	}

	TEST(AddressLibraryPacking, WritesTheShortestFormOfEachEntry)
	{
		constexpr std::uint64_t kHigh = 0x1'0000'0000;
		const std::vector<mapping_t> entries{
			// clang-format off
			{ 100, 0x2000 },                                // + byte (2), 16-bit value (6)
			{ 95, 0x2010 },                                 // the known example: - byte (3), + byte (2)
			{ 96, 0x2011 },                                 // both + 1 (1): the type byte alone
			{ kHigh, 0x12345678 },                          // full value (0), 32-bit value (7)
			{ kHigh + 0x1234, 0x12345678 - 0x4321 },        // + 16 bits (4), - 16 bits (5)
			{ kHigh + 0x1234 - 0x2000, 0x12345678 + 0x4000 - 0x4321 },  // - 16 bits (5), + 16 bits (4)
		};
		// clang-format on
		bytes_t expected;
		append_header(expected, 2, REL::Version(1, 14, 70, 0), "", 0, 6);
		// clang-format off
		const auto entryBytes = Bytes({
			0x62, 100, 0x00, 0x20,
			0x23, 5, 0x10,
			0x11,
			0x70, 0, 0, 0, 0, 1, 0, 0, 0, 0x78, 0x56, 0x34, 0x12,
			0x54, 0x34, 0x12, 0x21, 0x43,
			0x45, 0x00, 0x20, 0x00, 0x40 });
		// clang-format on
		expected.insert(expected.end(), entryBytes.begin(), entryBytes.end());

		const auto file = pack(REL::Version(1, 14, 70, 0), entries, "", 0);
		EXPECT_EQ(file, expected);
		EXPECT_EQ(Unpacked(file), entries);
	}

	TEST(AddressLibraryPacking, ScalesOffsetsByThePointerSizeWhenThatIsShorter)
	{
		// Offsets 8 apart: one type byte per entry with the scale flag.
		std::vector<mapping_t> entries;
		for (std::uint64_t i = 0; i < 1000; ++i) {
			entries.push_back({ 1000 + i, 0x10000 + 8 * i });
		}
		const auto file = pack(REL::Version(1, 14, 70, 0), entries, "", 8);
		EXPECT_EQ(file.size(), kHeaderSize + (1 + 2 + 2) + 999);
		EXPECT_EQ(file.back(), std::byte{ 0x91 });
		EXPECT_EQ(Unpacked(file), entries);

		// A pointer size of 0 never scales: + 8 takes a byte after the type.
		const auto unscaled = pack(REL::Version(1, 14, 70, 0), entries, "", 0);
		EXPECT_EQ(unscaled.size(), kHeaderSize + (1 + 2 + 4) + 999 * 2);
		EXPECT_EQ(unscaled[unscaled.size() - 2], std::byte{ 0x21 });
		EXPECT_EQ(Unpacked(unscaled), entries);
	}

	TEST(AddressLibraryPacking, RoundTripsAnyEntriesInTheirOrder)
	{
		std::mt19937_64 random(42);
		constexpr auto kMax = std::numeric_limits<std::uint64_t>::max();
		for (const std::uint32_t pointerSize : { 0u, 1u, 3u, 8u, 16u }) {
			SCOPED_TRACE(pointerSize);
			std::vector<mapping_t> entries{ { 0, 0 }, { kMax, kMax }, { 0, kMax }, { kMax, 0 }, { 5, 5 }, { 5, 5 } };
			for (int i = 0; i < 5000; ++i) {
				const auto previous = entries.back();
				switch (random() % 5) {
				case 0: entries.push_back({ random(), random() }); break;
				case 1: entries.push_back({ previous.id + 1, previous.offset + pointerSize }); break;
				case 2: entries.push_back({ previous.id - random() % 300, previous.offset - random() % 70000 }); break;
				case 3: entries.push_back({ random() % 0x10000, (random() % 0x10000) * 8 }); break;
				default: entries.push_back({ previous.id + random() % 0x20000, previous.offset + random() % 0x100000000 }); break;
				}
			}
			header_t header;
			EXPECT_EQ(Unpacked(pack(REL::Version(1, 14, 70, 9), entries, "round trip", pointerSize), &header), entries);
			EXPECT_EQ(header.version, REL::Version(1, 14, 70, 9));
			EXPECT_EQ(header.name_text(), "round trip");
			EXPECT_EQ(header.pointer_size, pointerSize);
		}
	}
}
