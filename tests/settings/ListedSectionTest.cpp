#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Settings/ListedSection.h"

namespace
{
	struct ListedValueCase
	{
		const char* sName;
		std::vector<std::string> lines;
		const char* sKey;
		std::optional<std::string> value;
	};

	// Lines as the platform lists a section: trimmed, "key=value" or a bare key.
	const ListedValueCase ListedValueCases[] = {
		{ "KeyInAnyCase", { "other=1", "IREARVIEWHOTKEY=0x52" }, "iRearViewHotkey", "0x52" },
		{ "TheFirstOfARepeatedKey", { "dup=first", "DUP=second" }, "dup", "first" },
		{ "ABareKey", { "bSmartAim", "bSmartAim=0" }, "bSmartAim", std::nullopt },
		{ "AfterABareKeyOfAnother", { "bRearView", "bSmartAim=0" }, "bSmartAim", "0" },
		{ "MissingKey", { "x=1" }, "y", "" },
		{ "EmptyValue", { "k=" }, "k", "" },
		{ "EqualsInTheValue", { "k=a=b" }, "k", "a=b" },
		{ "BlanksAroundKeyAndValue", { " k \t=  a  b " }, "k", "a  b" },
		{ "DoubleQuotes", { "k=\"0.5\"" }, "k", "0.5" },
		{ "SingleQuotes", { "k='0.5'" }, "k", "0.5" },
		{ "QuotesOfTwoKinds", { "k=\"0.5'" }, "k", "\"0.5'" },
		{ "AnOpeningQuoteAlone", { "k=\"0.5" }, "k", "\"0.5" },
		{ "OnlyTheOuterQuotes", { "k=\"a\" b\"" }, "k", "a\" b" },
		{ "TwoQuotes", { "k=\"\"" }, "k", "" },
		{ "OneQuote", { "k=\"" }, "k", "\"" },
		{ "NonAsciiKeyBefore", { "k\xC3\xA9=1", "k=2" }, "k", std::nullopt },
		{ "NonAsciiKeyAfter", { "k=2", "k\xC3\xA9=1" }, "k", "2" },
		{ "LongestValueAReadReturns", { "k=" + std::string(9999, 'x') }, "k", std::string(9999, 'x') },
		{ "ValueAReadWouldCut", { "k=" + std::string(10000, 'x') }, "k", std::nullopt },
		// Keys the lines can't answer for: the listing leaves out lines
		// starting with a semicolon, which a read finds; a read trims the
		// key; and the Kelvin sign reads k with the UTF-8 code page.
		{ "ASemicolonKey", { "k=1" }, ";c", std::nullopt },
		{ "ABlankAroundTheKey", { "k=1" }, "k\t", std::nullopt },
		{ "AKeyBeyondAscii", { "xk-x=1" }, "x\xE2\x84\xAA-x", std::nullopt },
	};

	void PrintTo(const ListedValueCase& a_case, std::ostream* a_out)
	{
		*a_out << a_case.sName;
	}

	class ListedValue : public testing::TestWithParam<ListedValueCase>
	{
	};

	TEST_P(ListedValue, IsWhatAReadOfTheKeyReturns)
	{
		const auto& listedCase = GetParam();
		EXPECT_EQ(FindListedValue(listedCase.lines, listedCase.sKey), listedCase.value);
	}

	INSTANTIATE_TEST_SUITE_P(Lines, ListedValue, testing::ValuesIn(ListedValueCases),
		[](const testing::TestParamInfo<ListedValueCase>& a_info) { return std::string(a_info.param.sName); });

	TEST(ListedKeyNames, AreTheKeysOfLinesWithAnEqualsSignInOrder)
	{
		const std::vector<std::string> lines = { "k1=v1", "bare", "=novalue", "#h=hash", "dup=1", "DUP=2", " spaced = x" };
		EXPECT_THAT(GetListedKeyNames(lines), testing::Optional(testing::ElementsAre("k1", "", "#h", "dup", "DUP", "spaced")));
		// An empty first name makes the platform's list look empty.
		EXPECT_EQ(GetListedKeyNames(std::vector<std::string>{ "bare", "=x", "k=1" }), std::nullopt);
	}

	TEST(CanReadSectionAtOnce, OnlyForANameAReadTakesAsItIs)
	{
		for (const std::string_view name : { "Default", "REV-8", "x]y", "A\xE9-b" }) {
			EXPECT_TRUE(CanReadSectionAtOnce(name)) << name;
		}
		for (const std::string_view name : { "", " Default", "Default\t", "Default\x1A", "Caf\xE9", "\xA0-A" }) {
			EXPECT_FALSE(CanReadSectionAtOnce(name)) << name;
		}
	}
}
