#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "GameTest.h"
#include "Helpers/FormLookup.h"
#include "Settings/Logging.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;

	// The base game, a small file and a medium file, and forms in each.
	class FormLookupTest : public test::GameTest
	{
	protected:
		FormLookupTest()
		{
			world.forms.add_full("Starfield.esm", 0);
			world.forms.add_small("SFBGS004.esm", 0xFE, 3);
			world.forms.add_medium("Outposts.esm", 0xFD, 0x12);
			world.forms.add_base(0xFE003017, "Rover");
			world.forms.add_base(0xFE003007, "Scooter");
			world.forms.add_base(0x001A2B3C, "Mantis");
			world.forms.add_base(0xFD120ABC, "Beacon");
			world.references.add_reference(0xFE003020, sim::kActivatorFormType, nullptr).form.bUnloaded = true;
		}
	};

	struct FormCase
	{
		const char* hex;
		const char* file;
		std::uint32_t formID;  // 0: no form
		std::vector<std::string> log;
	};

	const std::string kLength8 =
		"error: [GetFormFromFile] this HexFormID's length > 8 [0001A2B3C]. This is not supported format "
		"(length must be <= 8 if source plugin is Starfield.esm). Returning nullptr.";

	std::string Length6(const std::string& a_text)
	{
		return "error: [GetFormFromFile] this HexFormID's length > 6 [" + a_text +
			"]. This is not supported format (length must be <= 6 if source plugin is not Starfield.esm). Returning nullptr.";
	}

	std::string NoForm(std::uint32_t a_formID, const char* a_hex, const char* a_file, const char* a_type)
	{
		return "warning: [GetFormFromFile]    this FormID [" + std::to_string(a_formID) + " | " + a_hex + "] supposedly defined in [" + a_file +
			" | Type: " + a_type + "] is withing range but it does not point to a valid Form or this Form is an unloaded Reference. Returning nullptr.";
	}

	TEST_F(FormLookupTest, LocalFormIdsInFilesOfEveryKind)
	{
		const FormCase cases[] = {
			{ "017", "SFBGS004.esm", 0xFE003017, {} },
			{ "017", "sfbgs004.ESM", 0xFE003017, {} },  // letter case aside
			{ "1A2B3C", "Starfield.esm", 0x001A2B3C, {} },
			{ "1a2b3c", "", 0x001A2B3C, {} },  // no name: the base game
			{ "1A2B3C", "starfield.esm", 0x001A2B3C, {} },
			{ "001A2B3C", "Starfield.esm", 0x001A2B3C, {} },
			{ "ABC", "Outposts.esm", 0xFD120ABC, {} },
			{ "7", "SFBGS004.esm", 0xFE003007, {} },  // padded to 00007
			{ "00017", "SFBGS004.esm", 0xFE003017, {} },
			{ "0001A2B3C", "Starfield.esm", 0, { kLength8 } },
			{ "0001A2B3", "SFBGS004.esm", 0, { Length6("0001A2B3") } },
			// Padding puts zeros before a prefix or a sign: the conversion
			// stops there.
			{ "0x17", "SFBGS004.esm", 0, { NoForm(4261425152, "FE003000", "SFBGS004.esm", "Small") } },
			{ "-1", "SFBGS004.esm", 0, { NoForm(4261425152, "FE003000", "SFBGS004.esm", "Small") } },
			// Six characters and more are converted as they stand: blanks,
			// a sign (wrapping) and digits.
			{ "  1A2B", "Starfield.esm", 0, { NoForm(6699, "00001A2B", "Starfield.esm", "Full") } },
			{ "-00001", "Starfield.esm", 0, { NoForm(4294967295, "FFFFFFFF", "Starfield.esm", "Full") } },
			{ "1234567", "SFBGS004.esm", 0, { Length6("1234567") } },
			// The file search ignores letter case, the base-game test doesn't.
			{ "01A2B3C", "starfield.esm", 0, { Length6("01A2B3C") } },
			{ "ZZZZZZ", "Starfield.esm", 0,
				{ "error: [GetFormFromFile] std::stoul exception thrown for input String: ZZZZZZ. Returning nullptr." } },
			{ "zz", "Starfield.esm", 0,
				{ "error: [GetFormFromFile]    FormID [0 | 00000000] supposedly defined in [Starfield.esm | Type: Full] is out of range. Returning nullptr." } },
			{ "999", "SFBGS004.esm", 0,
				{ "warning: [GetFormFromFile]    this FormID [4261427609 | FE003999] supposedly defined in [SFBGS004.esm | Type: Small] is withing "
				  "range but it does not point to a valid Form or this Form is an unloaded Reference. Returning nullptr." } },
			{ "20", "SFBGS004.esm", 0,  // an unloaded reference
				{ "warning: [GetFormFromFile]    this FormID [4261425184 | FE003020] supposedly defined in [SFBGS004.esm | Type: Small] is withing "
				  "range but it does not point to a valid Form or this Form is an unloaded Reference. Returning nullptr." } },
			{ "", "SFBGS004.esm", 0, { "error: [GetFormFromFile] parameter sHexFormIDNoPrefix is empty. Returning nullptr." } },
			{ "017", "Missing.esm", 0,
				{ "error: [LookupTESFileByName] result --> [nullptr] | params: PluginName [Missing.esm] | other data: no TESFile could be found with the specified name",
					"error: [GetFormFromFile] no PluginFile could be found with the name [Missing.esm]. Returning nullptr." } },
		};
		for (const auto& c : cases) {
			const test::TestLog caseLog;
			const auto* form = GetFormFromFile(c.hex, c.file);
			EXPECT_EQ(form ? form->GetFormID() : 0u, c.formID) << c.hex << " in " << c.file;
			EXPECT_EQ(caseLog.entries(), c.log) << c.hex << " in " << c.file;
		}
	}

	TEST_F(FormLookupTest, TheLocalValueIsNotMaskedItsHighBitsAddIntoTheSlot)
	{
		world.forms.add_base(0x00001FFF + (0xFEu << 24) + (3u << 12), "Wide");
		// 00001FFF in a small file: 0xFE000000 + 0x3000 + 0x1FFF.
		EXPECT_EQ(GetFormFromFile("1FFF", "SFBGS004.esm")->GetFormID(), 0xFE004FFFu);
	}

	TEST_F(FormLookupTest, FileSearchReportsTheListAndSkipsNullFiles)
	{
		world.forms.add_null_file(sim::FileKind::full);
		world.forms.add_small("Starfield.esm", 0x33, 1);  // in two lists: FileA wins
		std::int32_t type = 0;
		EXPECT_NE(LookupTESFileByName("STARFIELD.ESM", &type), nullptr);
		EXPECT_EQ(type, 1);
		EXPECT_NE(LookupTESFileByName("outposts.esm", &type), nullptr);
		EXPECT_EQ(type, 3);
		// Only the second search got as far as the null file.
		EXPECT_THAT(Entries(), ElementsAre("error: [LookupTESFileByName] loopFile at (1) is nullptr, skipping plugin file"));
	}

	TEST_F(FormLookupTest, EmptyListsAreSkippedWithAWarningAndTheTypeStaysOnFailure)
	{
		world.reset();  // no files at all
		world.forms.add_small("SFBGS004.esm", 0xFE, 3);
		std::int32_t type = 7;
		EXPECT_EQ(LookupTESFileByName("Nothing.esm", &type), nullptr);
		EXPECT_EQ(type, 7);
		EXPECT_THAT(Entries(), ElementsAre("warning: [LookupTESFileByName] theFiles.size() (of FileA) <= 0, skipping this file array", "warning: [LookupTESFileByName] theFiles.size() (of MediumFileA) <= 0, skipping this file array", "error: [LookupTESFileByName] result --> [nullptr] | params: PluginName [Nothing.esm] | other data: no TESFile could be found with the specified name"));
	}

	TEST_F(FormLookupTest, NoTypeToFillOrNoDataHandlerGivesNull)
	{
		EXPECT_EQ(LookupTESFileByName("Starfield.esm", nullptr), nullptr);
		world.forms.dataHandlerGlobal = nullptr;
		std::int32_t type = 0;
		EXPECT_EQ(LookupTESFileByName("Starfield.esm", &type), nullptr);
		EXPECT_EQ(type, 0);
		EXPECT_THAT(Entries(), ElementsAre("error: [LookupTESFileByName] pluginType is nullptr", "error: [LookupTESFileByName] dataHandler is nullptr"));
	}

	TEST_F(FormLookupTest, NothingIsLoggedWithLoggingOffAndTheResultsStayTheSame)
	{
		bLogging = false;
		EXPECT_EQ(GetFormFromFile("0001A2B3C", "Starfield.esm"), nullptr);
		EXPECT_EQ(GetFormFromFile("017", "SFBGS004.esm")->GetFormID(), 0xFE003017u);
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST(FormIDText, AtLeastEightUpperCaseDigits)
	{
		EXPECT_EQ(GetFormIDAsHex(0x14), "00000014");
		EXPECT_EQ(GetFormIDAsHex(0), "00000000");
		EXPECT_EQ(GetFormIDAsHex(0xFE003017), "FE003017");
	}
}
