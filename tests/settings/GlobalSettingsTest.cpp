#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Settings/GlobalSettings.h"
#include "Settings/Logging.h"
#include "SettingsTest.h"

namespace
{
	using testing::ElementsAre;
	using testing::ElementsAreArray;
	using testing::IsEmpty;

	class GlobalSettings : public test::SettingsTest
	{
	protected:
		void Vanilla(std::initializer_list<std::string_view> a_globalLines)
		{
			WriteIni("Tarmacor.ini", a_globalLines);
		}
		void Custom(std::initializer_list<std::string_view> a_globalLines)
		{
			WriteIni("TarmacorCustom.ini", a_globalLines);
		}

		// Reloads with the caller's bool starting as given; returns it.
		bool Reload(bool a_loggingTemp = false)
		{
			ReloadGlobalSettings(&a_loggingTemp);
			return a_loggingTemp;
		}

	private:
		void WriteIni(std::string_view a_name, std::initializer_list<std::string_view> a_globalLines)
		{
			std::string text = test::IniText({ "[Default]", "bSmartAim=1", "[Global]" });
			for (const auto line : a_globalLines) {
				text += std::string(line) + "\r\n";
			}
			WritePluginFile(a_name, text);
		}
	};

	TEST_F(GlobalSettings, WithoutFilesNothingChangesAndBothAreReported)
	{
		bCreateVanillaINIBackup = false;
		iTestStringValues = 7;
		EXPECT_TRUE(Reload(true));
		EXPECT_FALSE(Reload(false));
		EXPECT_FALSE(bCreateVanillaINIBackup);
		EXPECT_EQ(iTestStringValues, 7);

		using namespace test::reload_log;
		EXPECT_THAT(Entries(), ElementsAreArray(test::Lines({ { NoVanillaIni, NoCustomIni }, Globals(1, 0, 7), { NoVanillaIni, NoCustomIni }, Globals(0, 0, 7) })));
	}

	TEST_F(GlobalSettings, ReadsVanillaThenCustomAndReportsInOrder)
	{
		Vanilla({ "bLogging=0", "bCreateVanillaINIBackup=1", "iTestStringValues=2" });
		Custom({ "bLogging=1" });
		EXPECT_TRUE(Reload());
		EXPECT_TRUE(bCreateVanillaINIBackup);
		EXPECT_EQ(iTestStringValues, 2);
		using namespace test::reload_log;
		EXPECT_THAT(Entries(), ElementsAreArray(test::Lines({ { ReadingVanilla, ReadingCustom }, Globals(1, 1, 2) })));
	}

	TEST_F(GlobalSettings, CustomKeysWinButOnlyWhenGiven)
	{
		Vanilla({ "bLogging=1", "bCreateVanillaINIBackup=1", "iTestStringValues=2", "bReloadOnFileChange=1" });
		Custom({ "bLogging=0", "bCreateVanillaINIBackup=0", "iTestStringValues=9", "bReloadOnFileChange=0" });
		EXPECT_FALSE(Reload(true));
		EXPECT_FALSE(bCreateVanillaINIBackup);
		EXPECT_EQ(iTestStringValues, 9);
		EXPECT_FALSE(bReloadOnFileChange);

		Custom({ "bSmartAim=0" });
		EXPECT_TRUE(Reload(false));
		EXPECT_TRUE(bCreateVanillaINIBackup);
		EXPECT_EQ(iTestStringValues, 2);
		EXPECT_TRUE(bReloadOnFileChange);
	}

	TEST_F(GlobalSettings, AKeyTheVanillaFileLacksFallsBackButTheLoggingBoolStays)
	{
		iTestStringValues = 7;
		bCreateVanillaINIBackup = false;
		bReloadOnFileChange = false;
		Vanilla({});
		Custom({ "iTestStringValues=300" });
		EXPECT_TRUE(Reload(true));
		EXPECT_FALSE(Reload(false));
		// The vanilla step reset it; 300 is out of range.
		EXPECT_EQ(iTestStringValues, 0);
		EXPECT_TRUE(bCreateVanillaINIBackup);
		EXPECT_TRUE(bReloadOnFileChange);
	}

	TEST_F(GlobalSettings, OnlyTheText1SwitchesOnAndBadNumbersAreIgnored)
	{
		for (const char* text : { "iTestStringValues=abc", "iTestStringValues=0", "iTestStringValues=255", "iTestStringValues=-3", "iTestStringValues=99999999999" }) {
			iTestStringValues = 7;
			Vanilla({ "bLogging=true", "bCreateVanillaINIBackup=yes", text });
			EXPECT_FALSE(Reload(true)) << text;
			EXPECT_FALSE(bCreateVanillaINIBackup) << text;
			EXPECT_EQ(iTestStringValues, 7) << text;
		}
		Vanilla({ "iTestStringValues=254 " });
		Reload();
		EXPECT_EQ(iTestStringValues, 254);
	}

	TEST_F(GlobalSettings, TheSectionNameMatchesInAnyCase)
	{
		WritePluginFile("Tarmacor.ini", test::IniText({ "[GLOBAL]", "BLOGGING=1", "itestSTRINGvalues=3" }));
		EXPECT_TRUE(Reload());
		EXPECT_EQ(iTestStringValues, 3);
	}

	TEST_F(GlobalSettings, WithLoggingOffAMissingCustomFileEndsSilently)
	{
		Vanilla({ "bLogging=1", "iTestStringValues=4" });
		bLogging = false;
		EXPECT_TRUE(Reload());
		EXPECT_EQ(iTestStringValues, 4);
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(GlobalSettings, ANullBoolIsReportedAndNothingIsRead)
	{
		Vanilla({ "iTestStringValues=4" });
		ReloadGlobalSettings(nullptr);
		EXPECT_EQ(iTestStringValues, 0);
		EXPECT_THAT(Entries(), ElementsAre("error: [ReloadGlobalSettings] bLoggingTemp is nullptr"));
	}
}
