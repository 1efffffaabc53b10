#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "REL/DatabaseFormat.h"
#include "REL/DatabasePack.h"

namespace
{
	using namespace REL::database;

	bytes_t Header(std::uint32_t a_count, std::uint32_t a_pointerSize = 8, std::string_view a_name = {})
	{
		bytes_t bytes;
		append_header(bytes, compiled_format, REL::Version(1, 14, 70, 0), a_name, a_pointerSize, a_count);
		return bytes;
	}

	void Append(bytes_t& a_bytes, std::initializer_list<unsigned> a_values)
	{
		for (const auto value : a_values) {
			a_bytes.push_back(static_cast<std::byte>(value));
		}
	}

	// The first entry (ID 100, offset 0x2000), written in full.
	void AppendFirstEntry(bytes_t& a_bytes)
	{
		Append(a_bytes, { 0x00 });
		append_le<std::uint64_t>(a_bytes, 100);
		append_le<std::uint64_t>(a_bytes, 0x2000);
	}

	struct Decoded
	{
		status result{ status::ok };
		header_t header;
		std::vector<mapping_t> entries;
		std::size_t failed{ 0 };
	};

	// As the plugin decodes: header, count check, entries. Read failures
	// are thrown.
	Decoded Decode(const bytes_t& a_bytes)
	{
		Decoded decoded;
		istream_t in(a_bytes);
		decoded.result = decoded.header.read(in);
		if (decoded.result == status::ok) {
			decoded.result = check_entry_count(decoded.header, in);
		}
		if (decoded.result == status::ok) {
			decoded.entries.resize(decoded.header.address_count);
			decoded.result = unpack(in, decoded.header, decoded.entries, &decoded.failed);
		}
		return decoded;
	}

	mapping_t SecondEntryAfterTheFirst(std::uint32_t a_pointerSize, std::initializer_list<unsigned> a_entry)
	{
		auto bytes = Header(2, a_pointerSize);
		AppendFirstEntry(bytes);
		Append(bytes, a_entry);
		const auto decoded = Decode(bytes);
		EXPECT_EQ(decoded.result, status::ok);
		return decoded.entries.at(1);
	}

	TEST(AddressLibraryDecoding, DecodesTheKnownExamples)
	{
		EXPECT_EQ(SecondEntryAfterTheFirst(8, { 0x11 }), (mapping_t{ 101, 0x2001 }));
		EXPECT_EQ(SecondEntryAfterTheFirst(8, { 0x91 }), (mapping_t{ 101, 0x2008 }));
		EXPECT_EQ(SecondEntryAfterTheFirst(8, { 0x23, 0x05, 0x10 }), (mapping_t{ 95, 0x2010 }));
	}

	TEST(AddressLibraryDecoding, EveryCodeWorksAgainstThePreviousValueForIdAndOffset)
	{
		struct Case
		{
			unsigned code;
			std::initializer_list<unsigned> payload;
			std::uint64_t expected;  // from previous 100 (ID) or 0x2000 (offset)
		};
		const Case idCases[] = {
			{ 0, { 0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01 }, 0x0102030405060708 },
			{ 1, {}, 101 },
			{ 2, { 0xFF }, 100 + 0xFF },
			{ 3, { 0x64 }, 0 },
			{ 4, { 0x34, 0x12 }, 100 + 0x1234 },
			{ 5, { 0x0A, 0x00 }, 90 },
			{ 6, { 0x34, 0x12 }, 0x1234 },
			{ 7, { 0x78, 0x56, 0x34, 0x12 }, 0x12345678 },
		};
		for (const auto& c : idCases) {
			SCOPED_TRACE(c.code);
			auto bytes = Header(2);
			AppendFirstEntry(bytes);
			Append(bytes, { c.code | 0x10 });  // the offset: + 1
			for (const auto b : c.payload) {
				Append(bytes, { b });
			}
			const auto decoded = Decode(bytes);
			ASSERT_EQ(decoded.result, status::ok);
			EXPECT_EQ(decoded.entries[1], (mapping_t{ c.expected, 0x2001 }));
		}

		const std::uint64_t previousOffset = 0x2000;
		const Case offsetCases[] = {
			{ 0, { 0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01 }, 0x0102030405060708 },
			{ 1, {}, previousOffset + 1 },
			{ 2, { 0x80 }, previousOffset + 0x80 },
			{ 3, { 0x80 }, previousOffset - 0x80 },
			{ 4, { 0x00, 0x10 }, previousOffset + 0x1000 },
			{ 5, { 0x00, 0x10 }, previousOffset - 0x1000 },
			{ 6, { 0xCD, 0xAB }, 0xABCD },
			{ 7, { 0x78, 0x56, 0x34, 0x12 }, 0x12345678 },
		};
		for (const auto& c : offsetCases) {
			SCOPED_TRACE(c.code);
			auto bytes = Header(2);
			AppendFirstEntry(bytes);
			Append(bytes, { 0x01 | (c.code << 4) });
			for (const auto b : c.payload) {
				Append(bytes, { b });
			}
			const auto decoded = Decode(bytes);
			ASSERT_EQ(decoded.result, status::ok);
			EXPECT_EQ(decoded.entries[1], (mapping_t{ 101, c.expected }));
		}
	}

	TEST(AddressLibraryDecoding, ArithmeticWrapsAround)
	{
		auto bytes = Header(2);
		Append(bytes, { 0x33, 0x01, 0x01 });  // 0 - 1 for both
		Append(bytes, { 0x22, 0x02, 0x03 });  // then + 2 and + 3
		const auto decoded = Decode(bytes);
		ASSERT_EQ(decoded.result, status::ok);
		EXPECT_EQ(decoded.entries[0], (mapping_t{ ~0ull, ~0ull }));
		EXPECT_EQ(decoded.entries[1], (mapping_t{ 1, 2 }));
	}

	TEST(AddressLibraryDecoding, ScaledOffsetsDivideThePreviousOffsetFirst)
	{
		// 0x2003 / 8 = 0x400; + 2 = 0x402; * 8 = 0x2010: the remainder is lost.
		auto bytes = Header(2, 8);
		Append(bytes, { 0x71, 0x03, 0x20, 0x00, 0x00 });  // ID 1 (0 + 1), offset 0x2003
		Append(bytes, { 0xA1, 0x02 });
		const auto decoded = Decode(bytes);
		ASSERT_EQ(decoded.result, status::ok);
		EXPECT_EQ(decoded.entries[1], (mapping_t{ 2, 0x2010 }));
	}

	TEST(AddressLibraryDecoding, IdCodesAbove7AreUnhandledTypes)
	{
		for (unsigned type = 0x08; type <= 0xFF; ++type) {
			if ((type & 0x0F) < 8) {
				continue;
			}
			auto bytes = Header(3);
			AppendFirstEntry(bytes);
			Append(bytes, { type, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 });
			const auto decoded = Decode(bytes);
			EXPECT_EQ(decoded.result, status::unhandled_type) << type;
			EXPECT_EQ(decoded.failed, 1u);
		}
	}

	TEST(AddressLibraryDecoding, AScaledOffsetNeedsAPointerSize)
	{
		auto bytes = Header(2, 0);
		AppendFirstEntry(bytes);
		Append(bytes, { 0x91 });
		const auto scaled = Decode(bytes);
		EXPECT_EQ(scaled.result, status::scaled_without_pointer_size);
		EXPECT_EQ(scaled.failed, 1u);

		// Without the scale flag a pointer size of 0 is never used.
		bytes.back() = std::byte{ 0x11 };
		EXPECT_EQ(Decode(bytes).result, status::ok);
	}

	TEST(AddressLibraryHeader, ReadsEveryFieldAndKeepsTheLow16BitsOfTheVersion)
	{
		bytes_t bytes;
		append_le<std::uint32_t>(bytes, 2);
		for (const std::uint32_t part : { 0x10001u, 14u, 70u, 0xFFFF0000u }) {
			append_le<std::uint32_t>(bytes, part);
		}
		append_le<std::uint32_t>(bytes, 3);
		Append(bytes, { 'S', 'F', '1' });
		append_le<std::uint32_t>(bytes, 8);
		append_le<std::uint32_t>(bytes, 0);

		istream_t in(bytes);
		header_t header;
		ASSERT_EQ(header.read(in), status::ok);
		EXPECT_EQ(header.version, REL::Version(1, 14, 70, 0));
		EXPECT_EQ(header.name_text(), "SF1");
		EXPECT_EQ(header.pointer_size, 8u);
		EXPECT_EQ(header.address_count, 0u);
		EXPECT_EQ(in.remaining(), 0u);
	}

	TEST(AddressLibraryHeader, AnotherFormatStopsRightAfterTheFormatField)
	{
		bytes_t bytes;
		append_header(bytes, 1, REL::Version(1, 14, 70, 0), "", 8, 0);
		istream_t in(bytes);
		header_t header;
		EXPECT_EQ(header.read(in), status::unsupported_format);
		EXPECT_EQ(header.format, 1u);
		EXPECT_EQ(in.remaining(), bytes.size() - 4);
	}

	TEST(AddressLibraryHeader, NamesOf20BytesOrMoreKeep19AndSkipTheRest)
	{
		for (const std::size_t length : { 18u, 19u, 20u, 21u, 300u }) {
			SCOPED_TRACE(length);
			std::string name(length, 'n');
			for (std::size_t i = 0; i < length; ++i) {
				name[i] = static_cast<char>('a' + i % 26);
			}
			auto bytes = Header(1, 8, name);
			AppendFirstEntry(bytes);
			const auto decoded = Decode(bytes);
			ASSERT_EQ(decoded.result, status::ok);
			EXPECT_EQ(decoded.header.name_length, length);
			EXPECT_EQ(decoded.header.name_text(), name.substr(0, 19));
			EXPECT_EQ(decoded.header.name[19], '\0');
			EXPECT_EQ(decoded.header.pointer_size, 8u);
			EXPECT_EQ(decoded.entries[0], (mapping_t{ 100, 0x2000 }));
		}
	}

	TEST(AddressLibraryHeader, ANameLongerThanTheFileIsAReadFailure)
	{
		bytes_t bytes;
		append_le<std::uint32_t>(bytes, 2);
		for (int i = 0; i < 4; ++i) {
			append_le<std::uint32_t>(bytes, 1);
		}
		append_le<std::uint32_t>(bytes, 0xFFFFFFFF);
		Append(bytes, { 'x', 'y' });
		EXPECT_THROW(Decode(bytes), std::system_error);
	}

	TEST(AddressLibraryTruncation, EveryShorterPrefixOfAFileFailsAndNeverDecodes)
	{
		auto full = Header(4, 8, "name");
		AppendFirstEntry(full);
		Append(full, { 0x11, 0x23, 0x05, 0x10, 0x77, 1, 2, 3, 4, 5, 6, 7, 8 });
		ASSERT_EQ(Decode(full).result, status::ok);

		for (std::size_t size = 0; size < full.size(); ++size) {
			const bytes_t prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
			try {
				EXPECT_EQ(Decode(prefix).result, status::entries_exceed_file) << size;
			} catch (const std::system_error&) {
				// a read past the end: the expected outcome for most cuts
			}
		}
	}

	TEST(AddressLibraryTruncation, ACountBeyondTheFileIsCaughtBeforeAnythingIsSized)
	{
		auto bytes = Header(0xFFFFFFFF);
		AppendFirstEntry(bytes);
		istream_t in(bytes);
		header_t header;
		ASSERT_EQ(header.read(in), status::ok);
		EXPECT_EQ(check_entry_count(header, in), status::entries_exceed_file);

		// As many entries as bytes left is still possible (all one-byte).
		auto ones = Header(3);
		Append(ones, { 0x11, 0x11, 0x11 });
		const auto decoded = Decode(ones);
		ASSERT_EQ(decoded.result, status::ok);
		EXPECT_EQ(decoded.entries[2], (mapping_t{ 3, 3 }));
	}

	TEST(AddressLibraryDecoding, NoEntriesGiveAnEmptyTable)
	{
		const auto decoded = Decode(Header(0));
		EXPECT_EQ(decoded.result, status::ok);
		EXPECT_TRUE(decoded.entries.empty());
	}

	TEST(AddressLibraryLookup, FindsOnlyStoredIds)
	{
		std::vector<mapping_t> table{ { 30, 3 }, { 10, 1 }, { 20, 2 } };
		sort(table);
		EXPECT_EQ(table, (std::vector<mapping_t>{ { 10, 1 }, { 20, 2 }, { 30, 3 } }));
		ASSERT_NE(find(table, 20), nullptr);
		EXPECT_EQ(find(table, 20)->offset, 2u);
		EXPECT_EQ(find(table, 10)->offset, 1u);
		EXPECT_EQ(find(table, 30)->offset, 3u);
		EXPECT_EQ(find(table, 15), nullptr);  // between two
		EXPECT_EQ(find(table, 31), nullptr);  // above the largest
		EXPECT_EQ(find(table, 5), nullptr);   // below the smallest
		EXPECT_EQ(find({}, 5), nullptr);
	}

	class DatabaseFileStream : public testing::Test
	{
	protected:
		void SetUp() override
		{
			// clang-format off
			_path = std::filesystem::temp_directory_path() /
			        ("tarmacor-rel-stream-" + std::to_string(std::random_device{}()) + ".bin");
			// clang-format on
		}
		void TearDown() override
		{
			std::error_code ignored;
			std::filesystem::remove(_path, ignored);
		}
		std::filesystem::path _path;
	};

	TEST_F(DatabaseFileStream, ReadsValuesAcrossItsBufferBoundaries)
	{
		// Values of every width laid end to end over three buffer fills, so
		// that some straddle a refill.
		bytes_t bytes;
		std::vector<std::uint64_t> values;
		std::mt19937_64 random(5);
		while (bytes.size() < 200'000) {
			const auto value = random();
			values.push_back(value);
			switch (values.size() % 4) {
			case 0: append_le<std::uint8_t>(bytes, static_cast<std::uint8_t>(value)); break;
			case 1: append_le<std::uint16_t>(bytes, static_cast<std::uint16_t>(value)); break;
			case 2: append_le<std::uint32_t>(bytes, static_cast<std::uint32_t>(value)); break;
			default: append_le<std::uint64_t>(bytes, value); break;
			}
		}
		ASSERT_TRUE(write_file(_path, bytes));

		istream_t in(_path);
		ASSERT_TRUE(in.is_open());
		EXPECT_EQ(in.remaining(), bytes.size());
		for (std::size_t i = 0; i < values.size(); ++i) {
			const auto value = values[i];
			std::uint64_t read = 0;
			switch ((i + 1) % 4) {
			// clang-format off
			case 0: read = in.read_u8(); ASSERT_EQ(read, value & 0xFF) << i; break;
			case 1: read = in.read_le<std::uint16_t>(); ASSERT_EQ(read, value & 0xFFFF) << i; break;
			case 2: read = in.read_le<std::uint32_t>(); ASSERT_EQ(read, value & 0xFFFFFFFF) << i; break;
			default: read = in.read_le<std::uint64_t>(); ASSERT_EQ(read, value) << i; break;
				// clang-format on
			}
		}
		EXPECT_EQ(in.remaining(), 0u);
		EXPECT_THROW(in.read_u8(), std::system_error);
	}

	TEST_F(DatabaseFileStream, SkipsPastItsBufferAndRefusesToSkipPastTheEnd)
	{
		bytes_t bytes(150'000);
		for (std::size_t i = 0; i < bytes.size(); ++i) {
			bytes[i] = static_cast<std::byte>(i * 7);
		}
		ASSERT_TRUE(write_file(_path, bytes));

		istream_t in(_path);
		ASSERT_TRUE(in.is_open());
		EXPECT_EQ(in.read_u8(), 0u);
		in.ignore(100'000);  // beyond the first buffer fill
		EXPECT_EQ(in.read_u8(), static_cast<std::uint8_t>(100'001 * 7));
		EXPECT_EQ(in.remaining(), 150'000u - 100'002u);
		EXPECT_THROW(in.ignore(50'000), std::system_error);
		EXPECT_EQ(in.remaining(), 150'000u - 100'002u);  // nothing consumed
		in.ignore(in.remaining());
		EXPECT_THROW(in.read_le<std::uint16_t>(), std::system_error);
	}

	TEST_F(DatabaseFileStream, AMissingFileIsNotOpen)
	{
		istream_t in(_path);
		EXPECT_FALSE(in.is_open());
	}
}
