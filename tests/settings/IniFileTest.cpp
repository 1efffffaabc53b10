#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <windows.h>

#include "Settings/IniFile.h"
#include "SettingsTest.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;
	using IniFile = test::SettingsTest;

	TEST_F(IniFile, ReadsAKeyFromThePluginFolderWithoutRegardToCase)
	{
		WritePluginFile("Tarmacor.ini", test::IniText({ "[Default]", "bSmartAim=1", "bRearView=", "iRearViewHotkey = 0x52 " }));
		EXPECT_EQ(ReadIniValue("Tarmacor", "Default", "bSmartAim", ""), "1");
		EXPECT_EQ(ReadIniValue("Tarmacor", "DEFAULT", "bsmartaim", ""), "1");
		EXPECT_EQ(ReadIniValue("Tarmacor", "Default", "iRearViewHotkey", ""), "0x52");
		// Missing and empty read the same.
		EXPECT_EQ(ReadIniValue("Tarmacor", "Default", "bRearView", ""), "");
		EXPECT_EQ(ReadIniValue("Tarmacor", "Default", "bExitAnywhere", ""), "");
		EXPECT_EQ(ReadIniValue("Tarmacor", "Global", "bSmartAim", ""), "");
		EXPECT_EQ(ReadIniValue("TarmacorCustom", "Default", "bSmartAim", ""), "");
	}

	TEST_F(IniFile, EmptyArgumentsReadNothingAndWriteNothing)
	{
		WritePluginFile("Tarmacor.ini", test::IniText({ "[Default]", "bSmartAim=1" }));
		EXPECT_EQ(ReadIniValue("", "Default", "bSmartAim", ""), "");
		EXPECT_EQ(ReadIniValue("Tarmacor", "", "bSmartAim", ""), "");
		EXPECT_EQ(ReadIniValue("Tarmacor", "Default", "", ""), "");
		EXPECT_FALSE(WriteIniValue("", "Default", "bSmartAim", "0", ""));
		EXPECT_FALSE(WriteIniValue("Tarmacor", "", "bSmartAim", "0", ""));
		EXPECT_FALSE(WriteIniValue("Tarmacor", "Default", "", "0", ""));
		EXPECT_FALSE(DoesIniExist("", ""));
		EXPECT_FALSE(DoesFileExistEx("", "Tarmacor.ini"));
		EXPECT_FALSE(DoesFileExistEx(std::string(PluginFolder), ""));
		EXPECT_THAT(GetIniSectionNames("", "Tarmacor.ini"), IsEmpty());
		EXPECT_THAT(GetIniSectionNames(std::string(PluginFolder), ""), IsEmpty());
		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), test::IniText({ "[Default]", "bSmartAim=1" }));
	}

	TEST_F(IniFile, WriteCreatesFileAndSectionAndReplacesValues)
	{
		EXPECT_TRUE(WriteIniValue("Tarmacor", "Default", "bSmartAim", "1", ""));
		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), test::IniText({ "[Default]", "bSmartAim=1" }));
		EXPECT_TRUE(WriteIniValue("Tarmacor", "Default", "bSmartAim", "0", ""));
		EXPECT_TRUE(WriteIniValue("Tarmacor", "Global", "bLogging", "0", ""));
		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), test::IniText({ "[Default]", "bSmartAim=0", "[Global]", "bLogging=0" }));

		// A folder of its own, given with its final backslash.
		std::filesystem::create_directory(game.root() / "Other");
		EXPECT_TRUE(WriteIniValue("Mine", "S", "k", "v", ".\\Other\\"));
		EXPECT_TRUE(std::filesystem::exists(game.root() / "Other" / "Mine.ini"));
		EXPECT_EQ(ReadIniValue("Mine", "S", "k", ".\\Other\\"), "v");
		EXPECT_EQ(ReadIniValue("Mine", "S", "k", ""), "");
	}

	TEST_F(IniFile, AWriteThatFailsIsNotReportedAsSuccess)
	{
		// The file is there but held without sharing, so the write can't
		// open it.
		const auto original = test::IniText({ "[Default]", "bSmartAim=1" });
		WritePluginFile("Tarmacor.ini", original);
		const HANDLE held = ::CreateFileW(PluginFile("Tarmacor.ini").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
		ASSERT_NE(held, INVALID_HANDLE_VALUE);
		EXPECT_FALSE(WriteIniValue("Tarmacor", "Default", "bSmartAim", "0", ""));
		::CloseHandle(held);
		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), original);

		// A folder where the file should be.
		std::filesystem::create_directory(PluginFile("TarmacorCustom.ini"));
		EXPECT_FALSE(WriteIniValue("TarmacorCustom", "Default", "bSmartAim", "0", ""));
		EXPECT_TRUE(std::filesystem::is_directory(PluginFile("TarmacorCustom.ini")));
	}

	TEST_F(IniFile, PathsLongerThan254CharactersAreRefusedWhole)
	{
		// Both paths lead to the same short file name in the game folder,
		// one in 254 characters, one in 255.
		const auto via = [&](std::size_t a_pathLength) {
			// ".\\" + padding + "\\..\\" + "x.ini"
			const std::string padding(a_pathLength - 11, 'd');
			std::filesystem::create_directory(game.root() / padding);
			return ".\\" + padding + "\\..\\";
		};
		const auto at254 = via(254);
		const auto at255 = via(255);
		ASSERT_EQ(GetIniPath("x", at254).size(), 254u);
		ASSERT_EQ(GetIniPath("x", at255).size(), 255u);

		EXPECT_TRUE(WriteIniValue("x", "S", "k", "v", at254));
		EXPECT_EQ(ReadIniValue("x", "S", "k", at254), "v");
		EXPECT_EQ(ReadIniValue("x", "S", "k", at255), "");
		EXPECT_FALSE(WriteIniValue("x", "S", "k", "w", at255));
		EXPECT_EQ(ReadIniValue("x", "S", "k", at254), "v");

		// Far beyond any buffer.
		const std::string deep = ".\\" + std::string(5000, 'd') + "\\";
		EXPECT_EQ(ReadIniValue("x", "S", "k", deep), "");
		EXPECT_FALSE(WriteIniValue("x", "S", "k", "v", deep));

		// The game folder's own clean-up can't list names this long.
		for (const auto length : { 254, 255 }) {
			std::error_code ignored;
			std::filesystem::remove(game.root() / std::string(length - 11, 'd'), ignored);
		}
	}

	TEST_F(IniFile, AZeroByteInANameNeverReachesAnotherFile)
	{
		WritePluginFile("Tarmacor.ini", test::IniText({ "[Default]", "bSmartAim=1" }));
		const std::string cut("Tarmacor\0Custom", 15);
		EXPECT_EQ(ReadIniValue(cut, "Default", "bSmartAim", ""), "");
		EXPECT_FALSE(WriteIniValue(cut, "Default", "bSmartAim", "0", ""));
		EXPECT_EQ(ReadIniValue("Tarmacor", std::string("Default\0x", 9), "bSmartAim", ""), "");
		EXPECT_FALSE(DoesIniExist(cut, ""));
		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), test::IniText({ "[Default]", "bSmartAim=1" }));
	}

	TEST_F(IniFile, ExistenceOfFilesAndFolders)
	{
		const std::string folder(PluginFolder);
		EXPECT_FALSE(DoesIniExist("Tarmacor", ""));
		EXPECT_FALSE(DoesFileExistEx(folder, "Tarmacor.ini"));

		WritePluginFile("Tarmacor.ini", "");
		EXPECT_TRUE(DoesIniExist("Tarmacor", ""));
		EXPECT_TRUE(DoesFileExistEx(folder, "Tarmacor.ini"));

		// A folder counts as an INI that exists, but not as a file.
		std::filesystem::create_directory(PluginFile("TarmacorCustom.ini"));
		EXPECT_TRUE(DoesIniExist("TarmacorCustom", ""));
		EXPECT_FALSE(DoesFileExistEx(folder, "TarmacorCustom.ini"));

		// A folder that isn't there can't be queried.
		EXPECT_FALSE(DoesFileExistEx(".\\Nowhere\\", "Tarmacor.ini"));
		EXPECT_FALSE(DoesIniExist("Tarmacor", ".\\Nowhere\\"));
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(IniFile, AQueryThatFailsOtherwiseThanNotFoundIsLoggedAndReadsAsMissing)
	{
		// Too long for the platform's narrow path calls.
		const std::string folder = ".\\" + std::string(300, 'd') + "\\";
		EXPECT_FALSE(DoesIniExist("Tarmacor", folder));
		EXPECT_THAT(Entries(), ElementsAre("error: [DoesIniExist] could not query path [" + folder + "Tarmacor.ini] | error 206"));
	}

	TEST_F(IniFile, ListsSectionNamesInFileOrderAsWritten)
	{
		const std::string folder(PluginFolder);
		WritePluginFile("Tarmacor.ini", test::IniText({ "[Default]", "bSmartAim=1", "[Global]", "bLogging=0", "[Rover Mk2]", "bRearView=0" }));
		EXPECT_THAT(GetIniSectionNames(folder, "Tarmacor.ini"), ElementsAre("Default", "Global", "Rover Mk2"));
		EXPECT_THAT(GetIniSectionNames(folder, "tarmacor.INI"), ElementsAre("Default", "Global", "Rover Mk2"));

		WritePluginFile("Empty.ini", "");
		EXPECT_THAT(GetIniSectionNames(folder, "Empty.ini"), IsEmpty());
		EXPECT_THAT(GetIniSectionNames(folder, "Missing.ini"), IsEmpty());
		EXPECT_THAT(GetIniSectionNames(".\\Nowhere\\", "Tarmacor.ini"), IsEmpty());
		std::filesystem::create_directory(PluginFile("Folder.ini"));
		EXPECT_THAT(GetIniSectionNames(folder, "Folder.ini"), IsEmpty());
	}

	// Three times the first buffer's worth of names: none lost, none cut
	// into a phantom profile.
	TEST_F(IniFile, AListLongerThanTheFirstBufferIsReadWhole)
	{
		std::string text;
		std::vector<std::string> expected;
		for (int i = 0; i < 3000; ++i) {
			expected.push_back("Section" + std::to_string(i));
			text += "[" + expected.back() + "]\r\nbSmartAim=1\r\n";
		}
		WritePluginFile("Tarmacor.ini", text);
		EXPECT_EQ(GetIniSectionNames(std::string(PluginFolder), "Tarmacor.ini"), expected);
		EXPECT_THAT(Entries(), IsEmpty());
	}
}
