#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include <fmt/format.h>
#include <windows.h>

#include "LibraryFiles.h"
#include "TestLog.h"
#include "REL/IDDatabase.h"
#include "sim/GameFolder.h"
#include "sim/platform/MessageBoxes.h"

namespace
{
	using REL::database::bytes_t;
	using REL::database::mapping_t;
	using testing::AllOf;
	using testing::HasSubstr;

	const std::vector<mapping_t> kEntries{ { 10, 0x100 }, { 20, 0x200 }, { 30, 0x300 } };

	// Runs in the child: boxes captured, a game folder with a_bytes as the
	// library of a_version, then the load and, if given, one lookup.
	void LoadInChild(const test::TempFolder& a_folder, const REL::Version& a_version, const bytes_t& a_bytes,
		std::optional<std::uint64_t> a_lookup = std::nullopt)
	{
		sim::capture_message_boxes(::GetModuleHandleW(nullptr));
		const sim::GameFolder game(a_folder.path());
		test::WriteLibraryBytes(game.plugins(), a_version, a_bytes);
		REL::IDDatabase database;
		database.load_file(database.addresslib_filename(a_version), a_version);
		if (a_lookup) {
			database.id2offset(*a_lookup);
		}
		std::exit(0);  // not fatal after all
	}

	testing::Matcher<const std::string&> FatalBox(const std::string& a_message)
	{
		return AllOf(HasSubstr("message box [rel_tests.exe]: "), HasSubstr("IDDatabase.cpp("), HasSubstr("): " + a_message));
	}

	std::string NotFound(std::uint64_t a_id)
	{
		return fmt::format(
			"Failed to find the id within the address library: {}\n"
			"Compiled IDDatabase version: 2\n"
			"This means this script extender plugin is incompatible with the address library for this version of the game, and thus does not support it.",
			a_id);
	}

	testing::Matcher<const std::string&> NotLocated(const REL::Version& a_version)
	{
		return AllOf(FatalBox("Failed to locate an appropriate address library with the path: "),
			HasSubstr(fmt::format(
				"\\Data\\SFSE\\Plugins\\versionlib-{}-1.bin\n"
				"This means you are either missing the address library for this specific version of the game or running on unsupported platform.\n"
				"Please continue to the mod page for address library to download an appropriate version or platform. \n"
				"If one is not available, then it is likely that address library has not yet added support for this version of the game or this platform.\n"
				"Current version: {}\n"
				"Current platform: Microsoft Store",
				a_version.string("-"), a_version.string("."))));
	}

	TEST(IDDatabaseDeathTest, IdsBetweenAndAboveTheStoredOnesAreNotFound)
	{
		const test::TempFolder folder(L"rel-between");
		const auto version = test::OwnVersion(20);
		const auto file = REL::database::pack(version, kEntries);
		EXPECT_EXIT(LoadInChild(folder, version, file, 15), testing::ExitedWithCode(1), FatalBox(NotFound(15)));
		EXPECT_EXIT(LoadInChild(folder, version, file, 31), testing::ExitedWithCode(1), FatalBox(NotFound(31)));
	}

	TEST(IDDatabaseDeathTest, ALibraryWithoutEntriesFindsNothing)
	{
		const test::TempFolder folder(L"rel-empty");
		const auto version = test::OwnVersion(21);
		EXPECT_EXIT(LoadInChild(folder, version, REL::database::pack(version, {}), 1), testing::ExitedWithCode(1), FatalBox(NotFound(1)));
	}

	TEST(IDDatabaseDeathTest, Format1IsUnsupported)
	{
		const test::TempFolder folder(L"rel-format");
		const auto version = test::OwnVersion(22);
		bytes_t file;
		REL::database::append_header(file, 1, version, "", 8, 3);
		REL::database::append_entries(file, kEntries, 8);
		EXPECT_EXIT(LoadInChild(folder, version, file), testing::ExitedWithCode(1),
			FatalBox("Unsupported address library format: 1\n"
					 "Compiled IDDatabase version: 2\n"
					 "This means this script extender plugin is incompatible with the address library available for this version of the game, and thus does not support it."));
	}

	TEST(IDDatabaseDeathTest, AFileOfAnotherVersionIsAMismatch)
	{
		const test::TempFolder folder(L"rel-mismatch");
		const auto version = test::OwnVersion(23);
		EXPECT_EXIT(LoadInChild(folder, version, REL::database::pack(REL::Version(1, 14, 69, 0), kEntries)), testing::ExitedWithCode(1),
			FatalBox("Address library version mismatch.\nRead-in: 1.14.69.0"));
	}

	TEST(IDDatabaseDeathTest, IdCode8IsAnUnhandledType)
	{
		const test::TempFolder folder(L"rel-type");
		const auto version = test::OwnVersion(24);
		auto file = REL::database::pack(version, kEntries);
		file.push_back(std::byte{ 0x08 });
		file[28] = std::byte{ 4 };  // the count (after format, version, name length, pointer size): 3 become 4
		EXPECT_EXIT(LoadInChild(folder, version, file), testing::ExitedWithCode(1), FatalBox("unhandled type"));
	}

	TEST(IDDatabaseDeathTest, AFileEndingInsideItsEntriesCannotBeLocated)
	{
		const test::TempFolder folder(L"rel-cut-entries");
		const auto version = test::OwnVersion(25);
		const std::vector<mapping_t> wide{ { 0x1'0000'0000, 1 }, { 0x2'0000'0000, 2 } };
		auto file = REL::database::pack(version, wide);
		file.resize(file.size() - 3);
		EXPECT_EXIT(LoadInChild(folder, version, file), testing::ExitedWithCode(1), NotLocated(version));
	}

	TEST(IDDatabaseDeathTest, AFileEndingInsideItsHeaderCannotBeLocated)
	{
		const test::TempFolder folder(L"rel-cut-header");
		const auto version = test::OwnVersion(26);
		auto file = REL::database::pack(version, kEntries);
		file.resize(10);
		EXPECT_EXIT(LoadInChild(folder, version, file), testing::ExitedWithCode(1), NotLocated(version));
	}

	TEST(IDDatabaseDeathTest, ACountFarBeyondTheFileIsRefusedBeforeAnyTableIsMade)
	{
		const test::TempFolder folder(L"rel-count");
		const auto version = test::OwnVersion(27);
		bytes_t file;
		REL::database::append_header(file, 2, version, "", 8, 0xFFFFFFFF);
		REL::database::append_entries(file, kEntries, 8);
		EXPECT_EXIT(LoadInChild(folder, version, file), testing::ExitedWithCode(1), NotLocated(version));
	}

	// Each of the two checks that end in "Failed to locate ..." is named by
	// its own line in the box.
	TEST(IDDatabaseDeathTest, TheTwoNotLocatedChecksNameTheirOwnLines)
	{
		const auto lineOf = [](std::string& a_line) {
			return testing::Truly([&a_line](const std::string& a_output) {
				std::smatch match;
				const std::regex pattern(R"(IDDatabase\.cpp\((\d+)\): Failed to locate an appropriate address library)");
				if (!std::regex_search(a_output, match, pattern)) {
					return false;
				}
				a_line = match[1].str();
				return true;
			});
		};
		std::string countLine;
		std::string readLine;
		{
			const test::TempFolder folder(L"rel-lines-count");
			const auto version = test::OwnVersion(35);
			bytes_t file;
			REL::database::append_header(file, 2, version, "", 8, 0xFFFFFFFF);
			EXPECT_EXIT(LoadInChild(folder, version, file), testing::ExitedWithCode(1), lineOf(countLine));
		}
		{
			const test::TempFolder folder(L"rel-lines-read");
			const auto version = test::OwnVersion(36);
			auto file = REL::database::pack(version, kEntries);
			file.resize(10);
			EXPECT_EXIT(LoadInChild(folder, version, file), testing::ExitedWithCode(1), lineOf(readLine));
		}
		EXPECT_FALSE(countLine.empty());
		EXPECT_FALSE(readLine.empty());
		EXPECT_NE(countLine, readLine);
	}

	TEST(IDDatabaseDeathTest, AScaledOffsetWithPointerSize0IsRefused)
	{
		const test::TempFolder folder(L"rel-scale");
		const auto version = test::OwnVersion(28);
		bytes_t file;
		REL::database::append_header(file, 2, version, "", 0, 2);
		file.push_back(std::byte{ 0x11 });
		file.push_back(std::byte{ 0x91 });
		EXPECT_EXIT(LoadInChild(folder, version, file), testing::ExitedWithCode(1), FatalBox("unhandled pointer size 0 for a scaled offset"));
	}

	TEST(IDDatabaseDeathTest, AMissingFileIsNamed)
	{
		const test::TempFolder folder(L"rel-missing");
		const auto version = test::OwnVersion(29);
		const auto findInChild = [&] {
			sim::capture_message_boxes(::GetModuleHandleW(nullptr));
			const sim::GameFolder game(folder.path());
			REL::IDDatabase database;
			database.addresslib_filename(version);
			std::exit(0);
		};
		EXPECT_EXIT(findInChild(), testing::ExitedWithCode(1),
			AllOf(FatalBox("Failed to find address library file: \n"),
				HasSubstr("\\Data\\SFSE\\Plugins\\versionlib-1-14-70-1029-1.bin")));
	}

	TEST(IDDatabaseDeathTest, AFileThatCannotBeOpenedIsFatal)
	{
		const test::TempFolder folder(L"rel-open");
		const auto version = test::OwnVersion(30);
		const auto openInChild = [&] {
			sim::capture_message_boxes(::GetModuleHandleW(nullptr));
			const sim::GameFolder game(folder.path());
			// A folder where the file should be: it exists, but isn't a file.
			std::filesystem::create_directory(game.plugins() / sim::address_library_name(version, false));
			REL::IDDatabase database;
			database.load_file(database.addresslib_filename(version), version);
			std::exit(0);
		};
		EXPECT_EXIT(openInChild(), testing::ExitedWithCode(1), FatalBox("failed to open address library file"));
	}

	TEST(IDDatabaseDeathTest, ATableNameTakenByAMappingTooSmallCannotBeShared)
	{
		const test::TempFolder folder(L"rel-mapping");
		const auto version = test::OwnVersion(31);
		const auto loadInChild = [&] {
			// Someone holds the name with a mapping of one page; ours needs four.
			const HANDLE squatter = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
				L"Orlathen-Offsets-v2-1-14-70-1031-1");
			if (!squatter) {
				std::exit(2);
			}
			std::vector<mapping_t> entries(1024);
			for (std::size_t i = 0; i < entries.size(); ++i) {
				entries[i] = { i, i };
			}
			LoadInChild(folder, version, REL::database::pack(version, entries));
		};
		EXPECT_EXIT(loadInChild(), testing::ExitedWithCode(1), FatalBox("failed to create shared mapping"));
	}
}
