// A section read at once answers each key as a read of that key alone does,
// for the lines whose answer the section's listing can't give at face
// value; the platform's own reads are the reference.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "Settings/IniFile.h"
#include "Settings/SectionNames.h"
#include "Settings/SectionReading.h"
#include "SettingsTest.h"

namespace
{
	struct SectionCase
	{
		const char* sName;
		std::string sText;
		std::string sSection;
		std::vector<std::string> keys;
	};

	void PrintTo(const SectionCase& a_case, std::ostream* a_out)
	{
		*a_out << a_case.sName;
	}

	// clang-format off
	const SectionCase SectionCases[] = {
		// The differential run (tools/section-diff.sh) found these four: the
		// listing leaves out a key starting with a semicolon; a read trims the
		// section name; an empty first key name hides the key list; a key the
		// code page holds only approximately lists as another.
		{ "ASemicolonKey", test::IniText({ "[A]", ";c=comment", "k=1" }), "A", { ";c", "k" } },
		{ "ABlankAroundTheSectionName", test::IniText({ "[A]", "k=1" }), " A", { "k" } },
		{ "AnEmptyFirstKeyName", test::IniText({ "[A]", "=x", "k=1" }), "A", { "k" } },
		{ "TheKelvinSignInAUtf8File", "\xEF\xBB\xBF" + test::IniText({ "[A]", "\xE2\x84\xAA=kelvin", "k=plain" }), "A", { "k" } },
		{ "ABareKeyBeforeItsValue", test::IniText({ "[A]", "bSmartAim", "BSMARTAIM=0" }), "A", { "bSmartAim" } },
		{ "ValuesAroundTheLongest", test::IniText({ "[A]", "a=" + std::string(9999, 'x'), "b=\"" + std::string(9998, 'x') + "\"", "c=" + std::string(10000, 'x') }), "A", { "a", "b", "c" } },
	};
	// clang-format on

	class SectionReadAtOnce : public test::SettingsTest, public testing::WithParamInterface<SectionCase>
	{
	};

	TEST_P(SectionReadAtOnce, AnswersAsAReadOfEachKey)
	{
		const auto& sectionCase = GetParam();
		WritePluginFile("Tarmacor.ini", sectionCase.sText);
		const SectionReading reading(std::string(VanillaIniName), sectionCase.sSection);
		for (const auto& key : sectionCase.keys) {
			EXPECT_EQ(reading.GetValue(key), ReadIniValue(std::string(VanillaIniName), sectionCase.sSection, key, "")) << key;
		}
		const auto path = GetIniPath(VanillaIniName, "");
		const auto listed = ReadSectionNames([&](char* a_buffer, std::size_t a_size) -> std::size_t {
			return ::GetPrivateProfileStringA(sectionCase.sSection.c_str(), nullptr, "", a_buffer, static_cast<DWORD>(a_size), path.c_str());
		});
		EXPECT_EQ(reading.GetKeys(), listed.names);
	}

	INSTANTIATE_TEST_SUITE_P(Files, SectionReadAtOnce, testing::ValuesIn(SectionCases),
		[](const testing::TestParamInfo<SectionCase>& a_info) { return std::string(a_info.param.sName); });
}
