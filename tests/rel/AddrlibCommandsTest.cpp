#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"
#include "RE/IDs.h"
#include "REL/DatabasePack.h"
#include "TextList.h"

namespace
{
	using testing::HasSubstr;
	using REL::database::mapping_t;

	TEST(AddrlibText, ParsesPairsWithCommentsBlanksCommasAndHex)
	{
		std::istringstream text(
			"# IDs for 1.14.70\n"
			"\n"
			"34452 0x1A2B\n"
			"  86125,\t4096   # LookupByID\r\n"
			"0x10 0XfF\n"
			"18446744073709551615 0\n");
		addrlib::ListError error;
		const auto entries = addrlib::ParseIdList(text, error);
		ASSERT_TRUE(entries) << error.line << ": " << error.message;
		EXPECT_EQ(*entries, (std::vector<mapping_t>{ { 34452, 0x1A2B }, { 86125, 4096 }, { 16, 255 }, { ~0ull, 0 } }));
	}

	TEST(AddrlibText, NamesTheFirstBadLine)
	{
		const auto errorFor = [](const char* a_text) {
			std::istringstream text(a_text);
			addrlib::ListError error;
			EXPECT_FALSE(addrlib::ParseIdList(text, error)) << a_text;
			return std::to_string(error.line) + ": " + error.message;
		};
		EXPECT_EQ(errorFor("1 2\n3\n"), "2: expected \"<id> <offset>\"");
		EXPECT_EQ(errorFor("1 2\n\n12x 4\n"), "3: \"12x\" is not an ID (a decimal or 0x number)");
		EXPECT_EQ(errorFor("1 -4\n"), "1: \"-4\" is not an offset (a decimal or 0x number)");
		EXPECT_EQ(errorFor("18446744073709551616 0\n"), "1: \"18446744073709551616\" is not an ID (a decimal or 0x number)");
		EXPECT_EQ(errorFor("1 0x\n"), "1: \"0x\" is not an offset (a decimal or 0x number)");
		EXPECT_EQ(errorFor("1 2 3\n"), "1: unexpected \"3\" after the offset");
	}

	TEST(AddrlibText, ReadsVersionsAndLibraryNames)
	{
		EXPECT_EQ(addrlib::ParseVersion("1.14.70.0"), REL::Version(1, 14, 70, 0));
		EXPECT_EQ(addrlib::ParseVersion("1-14-70"), REL::Version(1, 14, 70, 0));
		EXPECT_FALSE(addrlib::ParseVersion("1.14.70.0.5"));
		EXPECT_FALSE(addrlib::ParseVersion("1.70000"));
		EXPECT_FALSE(addrlib::ParseVersion("1..2"));
		EXPECT_FALSE(addrlib::ParseVersion(""));

		const auto steam = addrlib::ParseLibraryName("versionlib-1-14-70-0.bin");
		ASSERT_TRUE(steam);
		EXPECT_TRUE(steam->steam);
		EXPECT_EQ(steam->version, REL::Version(1, 14, 70, 0));
		const auto other = addrlib::ParseLibraryName("versionlib-1-14-70-0-1.bin");
		ASSERT_TRUE(other);
		EXPECT_FALSE(other->steam);
		EXPECT_EQ(other->version, REL::Version(1, 14, 70, 0));
		EXPECT_FALSE(addrlib::ParseLibraryName("versionlib-1-14-70-0-2.bin"));
		EXPECT_FALSE(addrlib::ParseLibraryName("versionlib-1-14-70.bin"));
		EXPECT_FALSE(addrlib::ParseLibraryName("versionlib-1.14.70.0.bin"));
		EXPECT_FALSE(addrlib::ParseLibraryName("offsets-1-14-70-0.bin"));
	}

	class AddrlibCommand : public testing::Test
	{
	protected:
		void SetUp() override
		{
			_folder = std::filesystem::temp_directory_path() / ("tarmacor-rel-addrlib-" + std::to_string(std::random_device{}()));
			std::filesystem::create_directories(_folder);
		}
		void TearDown() override
		{
			std::error_code ignored;
			std::filesystem::remove_all(_folder, ignored);
		}

		std::string PathOf(const char* a_name) const
		{
			const auto text = (_folder / a_name).u8string();
			return std::string(text.begin(), text.end());
		}

		void WriteText(const char* a_name, const std::string& a_text) const
		{
			std::ofstream(_folder / a_name, std::ios::binary) << a_text;
		}

		int Run(std::vector<std::string> a_args)
		{
			_out.str({});
			_err.str({});
			return addrlib::RunCommand(a_args, _out, _err);
		}

		// Every ID the plugin needs, at made-up offsets, but for a_skip.
		std::string IndexList(std::vector<std::uint64_t> a_skip = {}) const
		{
			std::string text;
			std::uint64_t offset = 0x1000;
			for (const auto& entry : RE::IDs::all) {
				if (std::find(a_skip.begin(), a_skip.end(), entry.id.id()) == a_skip.end()) {
					text += std::to_string(entry.id.id()) + " " + std::to_string(offset) + "\n";
				}
				offset += 0x40;
			}
			return text;
		}

		std::filesystem::path _folder;
		std::ostringstream _out;
		std::ostringstream _err;
	};

	TEST_F(AddrlibCommand, DumpPrintsWhatPackReadsBackToTheSameFile)
	{
		WriteText("list.txt", "5 0x10\n3 0x8\n7 0x20\n");
		ASSERT_EQ(Run({ "pack", PathOf("list.txt"), PathOf("versionlib-1-14-70-0-1.bin"), "--name", "test" }), addrlib::kOk) << _err.str();

		ASSERT_EQ(Run({ "dump", PathOf("versionlib-1-14-70-0-1.bin") }), addrlib::kOk) << _err.str();
		EXPECT_EQ(_out.str(),
			"# format: 2\n"
			"# version: 1.14.70.0\n"
			"# name: \"test\" (4 bytes)\n"
			"# pointer size: 8\n"
			"# address count: 3\n"
			"5 0x10\n"
			"3 0x8\n"
			"7 0x20\n");

		WriteText("dumped.txt", _out.str());
		ASSERT_EQ(Run({ "pack", PathOf("dumped.txt"), PathOf("again.bin"), "--version", "1.14.70.0", "--name", "test" }), addrlib::kOk)
			<< _err.str();
		std::ifstream first(_folder / "versionlib-1-14-70-0-1.bin", std::ios::binary);
		std::ifstream second(_folder / "again.bin", std::ios::binary);
		EXPECT_EQ(std::string(std::istreambuf_iterator<char>(first), {}), std::string(std::istreambuf_iterator<char>(second), {}));
	}

	TEST_F(AddrlibCommand, PackNeedsAVersionAndReportsTheBadLine)
	{
		WriteText("list.txt", "5 0x10\n");
		EXPECT_EQ(Run({ "pack", PathOf("list.txt"), PathOf("out.bin") }), addrlib::kUsage);
		EXPECT_THAT(_err.str(), HasSubstr("give --version"));

		WriteText("bad.txt", "5 0x10\n6 sixteen\n");
		EXPECT_EQ(Run({ "pack", PathOf("bad.txt"), PathOf("out.bin"), "--version", "1.14.70.0" }), addrlib::kBadFile);
		EXPECT_THAT(_err.str(), HasSubstr("bad.txt:2: \"sixteen\" is not an offset"));
		EXPECT_FALSE(std::filesystem::exists(_folder / "out.bin"));
	}

	TEST_F(AddrlibCommand, CheckNamesTheMissingIdsWithVersionAndPlatform)
	{
		WriteText("all.txt", IndexList());
		ASSERT_EQ(Run({ "pack", PathOf("all.txt"), PathOf("versionlib-1-14-70-0.bin") }), addrlib::kOk) << _err.str();
		EXPECT_EQ(Run({ "check", PathOf("versionlib-1-14-70-0.bin") }), addrlib::kOk);
		// The counts follow from the list of IDs and from the ones left out.
		const auto all = std::to_string(RE::IDs::all.size());
		EXPECT_THAT(_out.str(), HasSubstr("versionlib-1-14-70-0.bin: Starfield 1.14.70.0, Steam: " + all + " of " + all + " IDs present\n"));

		const std::vector<std::uint64_t> skipped{ RE::IDs::ExitAnywhere::Function.id(), RE::IDs::StringValueSlots[8].id() };
		WriteText("some.txt", IndexList(skipped));
		ASSERT_EQ(Run({ "pack", PathOf("some.txt"), PathOf("versionlib-1-14-71-0-1.bin") }), addrlib::kOk) << _err.str();
		EXPECT_EQ(Run({ "check", PathOf("versionlib-1-14-71-0-1.bin") }), addrlib::kCheckFailed);
		const auto present = std::to_string(RE::IDs::all.size() - skipped.size());
		// clang-format off
		EXPECT_THAT(_out.str(), HasSubstr(
			"versionlib-1-14-71-0-1.bin: Starfield 1.14.71.0, Microsoft Store: " + present + " of " + all + " IDs present\n"
			"  missing 102971 Exit Anywhere code site (code)\n"
			"  missing 2241922 StringValueSlots 9 (data)\n"));
		// clang-format on
	}

	TEST_F(AddrlibCommand, CheckRefusesAFileWhoseHeaderDoesNotFitItsName)
	{
		WriteText("all.txt", IndexList());
		ASSERT_EQ(Run({ "pack", PathOf("all.txt"), PathOf("versionlib-1-14-70-0-1.bin"), "--version", "1.14.69.0" }), addrlib::kOk);
		EXPECT_EQ(Run({ "check", PathOf("versionlib-1-14-70-0-1.bin") }), addrlib::kCheckFailed);
		EXPECT_THAT(_err.str(), HasSubstr("the header is for version 1.14.69.0, the file name for 1.14.70.0"));
	}

	TEST_F(AddrlibCommand, BrokenFilesAreReportedNotDecoded)
	{
		REL::database::bytes_t bytes;
		REL::database::append_header(bytes, 2, REL::Version(1, 14, 70, 0), "", 8, 3);
		bytes.push_back(std::byte{ 0x11 });
		bytes.push_back(std::byte{ 0x08 });
		bytes.push_back(std::byte{ 0x11 });
		ASSERT_TRUE(REL::database::write_file(_folder / "type.bin", bytes));
		EXPECT_EQ(Run({ "dump", PathOf("type.bin") }), addrlib::kBadFile);
		EXPECT_THAT(_err.str(), HasSubstr("type.bin: entry 2 of 3: unhandled type"));

		bytes.resize(bytes.size() - 3);
		bytes.push_back(std::byte{ 0x70 });  // a full 8-byte ID, cut short
		bytes.push_back(std::byte{ 0x01 });
		bytes.push_back(std::byte{ 0x02 });
		ASSERT_TRUE(REL::database::write_file(_folder / "cut.bin", bytes));
		EXPECT_EQ(Run({ "check", PathOf("cut.bin") }), addrlib::kBadFile);
		EXPECT_THAT(_err.str(), HasSubstr("cut.bin: the file ends inside its entries"));

		REL::database::bytes_t huge;
		REL::database::append_header(huge, 2, REL::Version(1, 14, 70, 0), "", 8, 0xFFFFFFFF);
		ASSERT_TRUE(REL::database::write_file(_folder / "huge.bin", huge));
		EXPECT_EQ(Run({ "dump", PathOf("huge.bin") }), addrlib::kBadFile);
		EXPECT_THAT(_err.str(), HasSubstr("huge.bin: the header announces 4294967295 entries, but only 0 bytes follow it"));

		REL::database::bytes_t old;
		REL::database::append_header(old, 1, REL::Version(1, 14, 70, 0), "", 8, 0);
		ASSERT_TRUE(REL::database::write_file(_folder / "old.bin", old));
		EXPECT_EQ(Run({ "dump", PathOf("old.bin") }), addrlib::kBadFile);
		EXPECT_THAT(_err.str(), HasSubstr("old.bin: unsupported format 1 (this build reads format 2)"));

		EXPECT_EQ(Run({ "dump", PathOf("none.bin") }), addrlib::kBadFile);
		EXPECT_THAT(_err.str(), HasSubstr("none.bin: can't open the file"));
	}
}
