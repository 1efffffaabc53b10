#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "SectionNames.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;

	std::vector<std::string> Split(const std::string& a_list)
	{
		return SplitSectionNames(a_list.data(), a_list.size());
	}

	TEST(SectionNames, SplitsAtZeroBytesInOrderAndKeepsCase)
	{
		EXPECT_THAT(Split(std::string("Default\0Global\0Rover Mk2\0", 25)), ElementsAre("Default", "Global", "Rover Mk2"));
		EXPECT_THAT(Split(std::string("A\0A\0", 4)), ElementsAre("A", "A"));
	}

	TEST(SectionNames, NothingForAnEmptyList)
	{
		EXPECT_THAT(Split(""), IsEmpty());
		EXPECT_THAT(SplitSectionNames(nullptr, 10), IsEmpty());
	}

	TEST(SectionNames, AnEmptyNameDoesNotHideTheNamesAfterIt)
	{
		EXPECT_THAT(Split(std::string("\0A\0", 3)), ElementsAre("", "A"));
		EXPECT_THAT(Split(std::string("A\0\0B\0", 5)), ElementsAre("A", "", "B"));
	}

	TEST(SectionNames, ANameCutByAFullBufferIsKeptAsFarAsItGoes)
	{
		EXPECT_THAT(Split(std::string("A\0Bc", 4)), ElementsAre("A", "Bc"));
	}
}
