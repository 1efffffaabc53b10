#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include <windows.h>

#include "LibraryFiles.h"
#include "REL/IDDatabase.h"
#include "sim/AddressLibrary.h"
#include "sim/GameFolder.h"

namespace
{
	using REL::database::mapping_t;

	const std::vector<mapping_t> kUnsorted{ { 30, 0x300 }, { 10, 0x100 }, { 20, 0x200 }, { 25, 0x250 } };

	TEST(IDDatabase, FindsTheNonSteamFileInTheGamesPluginFolder)
	{
		const sim::GameFolder game;
		const auto version = test::OwnVersion(1);
		sim::write_address_library(game.plugins(), version, false, kUnsorted);

		REL::IDDatabase database;
		EXPECT_EQ(database.platform(), -1);
		const auto path = database.addresslib_filename(version);
		EXPECT_EQ(path, std::filesystem::current_path().wstring() + L"\\Data\\SFSE\\Plugins\\versionlib-1-14-70-1001-1.bin");
		EXPECT_EQ(database.platform(), 1);
		EXPECT_FALSE(database.is_steam());
	}

	TEST(IDDatabase, UnpacksSortsAndAnswersOffsets)
	{
		const sim::GameFolder game;
		const auto version = test::OwnVersion(2);
		sim::write_address_library(game.plugins(), version, false, kUnsorted);

		REL::IDDatabase database;
		ASSERT_TRUE(database.load_file(database.addresslib_filename(version), version));
		const std::vector<mapping_t> table(database.table().begin(), database.table().end());
		EXPECT_EQ(table, (std::vector<mapping_t>{ { 10, 0x100 }, { 20, 0x200 }, { 25, 0x250 }, { 30, 0x300 } }));
		EXPECT_EQ(database.id2offset(25), 0x250u);
		EXPECT_EQ(database.id2offset(10), 0x100u);
		EXPECT_EQ(database.id2offset(30), 0x300u);

		// The table lives in the named shared memory of this version and platform.
		const HANDLE mapping = ::OpenFileMappingW(FILE_MAP_READ, FALSE, L"Orlathen-Offsets-v2-1-14-70-1002-1");
		ASSERT_NE(mapping, nullptr);
		const auto* view = static_cast<const mapping_t*>(::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 4 * sizeof(mapping_t)));
		ASSERT_NE(view, nullptr);
		EXPECT_EQ(view[1], (mapping_t{ 20, 0x200 }));
		::UnmapViewOfFile(view);
		::CloseHandle(mapping);
	}

	TEST(IDDatabase, ASecondPluginMapsTheExistingTableWithoutReadingItsOwnEntries)
	{
		const sim::GameFolder game;
		const auto version = test::OwnVersion(3);
		sim::write_address_library(game.plugins(), version, false, kUnsorted);
		REL::IDDatabase first;
		ASSERT_TRUE(first.load_file(first.addresslib_filename(version), version));

		// The second plugin's file has the same header but entries that
		// would be fatal if they were read.
		REL::database::bytes_t broken;
		REL::database::append_header(broken, 2, version, "", 8, 4);
		broken.insert(broken.end(), 4, std::byte{ 0x08 });
		const auto path = test::WriteLibraryBytes(game.plugins(), version, broken);

		REL::IDDatabase second;
		ASSERT_EQ(second.addresslib_filename(version), path);
		ASSERT_TRUE(second.load_file(path, version));
		EXPECT_NE(second.table().data(), first.table().data());  // a view of its own
		EXPECT_TRUE(std::equal(second.table().begin(), second.table().end(), first.table().begin(), first.table().end()));
		EXPECT_EQ(second.id2offset(25), 0x250u);
	}

	TEST(IDDatabase, LongHeaderNamesAreSkipped)
	{
		const sim::GameFolder game;
		const auto version = test::OwnVersion(4);
		test::WriteLibraryBytes(game.plugins(), version, REL::database::pack(version, kUnsorted, std::string(300, 'N'), 8));

		REL::IDDatabase database;
		ASSERT_TRUE(database.load_file(database.addresslib_filename(version), version));
		EXPECT_EQ(database.table().size(), 4u);
		EXPECT_EQ(database.id2offset(20), 0x200u);
	}

	TEST(IDDatabase, ALibraryWithoutEntriesLoadsAsAnEmptyTable)
	{
		const sim::GameFolder game;
		const auto version = test::OwnVersion(5);
		test::WriteLibraryBytes(game.plugins(), version, REL::database::pack(version, {}));

		REL::IDDatabase database;
		ASSERT_TRUE(database.load_file(database.addresslib_filename(version), version));
		EXPECT_TRUE(database.table().empty());
	}

	TEST(IDDatabase, ReleasesItsTableWhenItGoesAway)
	{
		const sim::GameFolder game;
		const auto version = test::OwnVersion(6);
		sim::write_address_library(game.plugins(), version, false, kUnsorted);
		{
			REL::IDDatabase database;
			ASSERT_TRUE(database.load_file(database.addresslib_filename(version), version));
		}
		EXPECT_EQ(::OpenFileMappingW(FILE_MAP_READ, FALSE, L"Orlathen-Offsets-v2-1-14-70-1006-1"), nullptr);
	}
}
