#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <windows.h>

#include "Settings/IniBackup.h"
#include "SettingsTest.h"

namespace
{
	using testing::ElementsAre;
	using IniBackup = test::SettingsTest;

	constexpr const char* Created = "info: [CreateBackupOfINI] created backup of INI [.\\Data\\SFSE\\Plugins\\Tarmacor.ini] to INI [.\\Data\\SFSE\\Plugins\\Tarmacor_backup.ini]";
	constexpr const char* NotCreated = "error: [CreateBackupOfINI] could not create backup of INI [.\\Data\\SFSE\\Plugins\\Tarmacor.ini] to INI [.\\Data\\SFSE\\Plugins\\Tarmacor_backup.ini]";
	constexpr const char* NoSource = "error: [CreateBackupOfINI] could not create backup of INI [.\\Data\\SFSE\\Plugins\\Tarmacor.ini] to INI [.\\Data\\SFSE\\Plugins\\Tarmacor_backup.ini] | DoesFileExistEx";

	// Any bytes at all: the backup is a copy, not a rewrite.
	const std::string UserFile = test::IniText({ "; mine", "[Default]", "bSmartAim=0", "" }) + std::string("\0\xff\xfe junk", 8);

	TEST_F(IniBackup, CopiesTheFileByteForByte)
	{
		WritePluginFile("Tarmacor.ini", UserFile);
		CreateBackupOfINI("Tarmacor");
		EXPECT_EQ(ReadPluginFile("Tarmacor_backup.ini"), UserFile);
		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), UserFile);
		EXPECT_THAT(Entries(), ElementsAre(Created));
	}

	TEST_F(IniBackup, ReplacesAnOldBackup)
	{
		WritePluginFile("Tarmacor.ini", UserFile);
		WritePluginFile("Tarmacor_backup.ini", "old");
		CreateBackupOfINI("Tarmacor");
		EXPECT_EQ(ReadPluginFile("Tarmacor_backup.ini"), UserFile);
		EXPECT_THAT(Entries(), ElementsAre("info: [CreateBackupOfINI] removed old backup", Created));
	}

	TEST_F(IniBackup, WithoutASourceFileNothingChanges)
	{
		WritePluginFile("Tarmacor_backup.ini", "old");
		CreateBackupOfINI("Tarmacor");
		EXPECT_EQ(ReadPluginFile("Tarmacor_backup.ini"), "old");

		// A folder of that name is no source either.
		std::filesystem::create_directory(PluginFile("Tarmacor.ini"));
		CreateBackupOfINI("Tarmacor");
		EXPECT_EQ(ReadPluginFile("Tarmacor_backup.ini"), "old");
		EXPECT_TRUE(std::filesystem::is_directory(PluginFile("Tarmacor.ini")));
		EXPECT_THAT(Entries(), ElementsAre(NoSource, NoSource));
	}

	TEST_F(IniBackup, AnOldBackupThatCannotBeRemovedStaysAsItIs)
	{
		WritePluginFile("Tarmacor.ini", UserFile);
		WritePluginFile("Tarmacor_backup.ini", "old");
		const auto backup = PluginFile("Tarmacor_backup.ini");
		ASSERT_TRUE(::SetFileAttributesW(backup.c_str(), FILE_ATTRIBUTE_READONLY));
		CreateBackupOfINI("Tarmacor");
		::SetFileAttributesW(backup.c_str(), FILE_ATTRIBUTE_NORMAL);

		EXPECT_EQ(ReadPluginFile("Tarmacor_backup.ini"), "old");
		EXPECT_EQ(ReadPluginFile("Tarmacor.ini"), UserFile);
		EXPECT_THAT(Entries(), ElementsAre("error: [CreateBackupOfINI] could not remove old backup", NotCreated));
	}

	TEST_F(IniBackup, AFolderInThePlaceOfTheBackupIsLeftAlone)
	{
		WritePluginFile("Tarmacor.ini", UserFile);
		std::filesystem::create_directory(PluginFile("Tarmacor_backup.ini"));
		CreateBackupOfINI("Tarmacor");
		EXPECT_TRUE(std::filesystem::is_directory(PluginFile("Tarmacor_backup.ini")));
		EXPECT_THAT(Entries(), ElementsAre(NotCreated));
	}

	TEST_F(IniBackup, TheBaseNameNamesBothFiles)
	{
		WritePluginFile("Other.ini", "x");
		CreateBackupOfINI("Other");
		EXPECT_EQ(ReadPluginFile("Other_backup.ini"), "x");
		EXPECT_THAT(Entries(), ElementsAre("info: [CreateBackupOfINI] created backup of INI [.\\Data\\SFSE\\Plugins\\Other.ini] to INI [.\\Data\\SFSE\\Plugins\\Other_backup.ini]"));
	}
}
