#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "Settings/SectionNames.h"

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

	// The platform's way with a list that doesn't fit: whole names while
	// they fit, then as much of the next as fits, a zero, the final zero,
	// and the count size - 2.
	struct PlatformList
	{
		std::vector<std::string> names;
		std::vector<std::size_t> sizes{};  // every size asked for

		std::size_t operator()(char* a_buffer, std::size_t a_size)
		{
			sizes.push_back(a_size);
			std::size_t free = a_size - 1;
			char* out = a_buffer;
			for (const auto& name : names) {
				if (name.size() + 1 > free) {
					if (free > 0) {
						out = std::copy_n(name.data(), free - 1, out);
						*out++ = '\0';
					}
					*out = '\0';
					return a_size - 2;
				}
				out = std::copy(name.begin(), name.end(), out);
				*out++ = '\0';
				free -= name.size() + 1;
			}
			*out = '\0';
			return static_cast<std::size_t>(out - a_buffer);
		}
	};

	std::vector<std::string> Numbered(int a_count)
	{
		std::vector<std::string> names;
		for (int i = 0; i < a_count; ++i) {
			names.push_back("Profile " + std::to_string(i));
		}
		return names;
	}

	TEST(SectionNames, AListLongerThanTheBufferIsReadWholeByGrowingIt)
	{
		PlatformList platform{ Numbered(700) };
		const auto list = ReadSectionNames(std::ref(platform), 100);
		EXPECT_TRUE(list.complete);
		EXPECT_EQ(list.names, platform.names);
		EXPECT_THAT(platform.sizes, ElementsAre(100, 200, 400, 800, 1600, 3200, 6400, 12800));
	}

	TEST(SectionNames, ACountOfSizeMinusTwoIsReadAgainEvenWhenItWasAnExactFit)
	{
		// "A", "B": four bytes of names, the count 4 of a 6-byte buffer.
		PlatformList platform{ { "A", "B" } };
		const auto list = ReadSectionNames(std::ref(platform), 6);
		EXPECT_THAT(list.names, ElementsAre("A", "B"));
		EXPECT_THAT(platform.sizes, ElementsAre(6, 12));
		PlatformList fits{ { "A", "B" } };
		EXPECT_THAT(ReadSectionNames(std::ref(fits), 7).names, ElementsAre("A", "B"));
		EXPECT_THAT(fits.sizes, ElementsAre(7));
	}

	TEST(SectionNames, PastTheLargestBufferTheCutLastNameIsDropped)
	{
		// A reader that never fits: the list stops growing at the limit.
		std::size_t reads = 0;
		const auto list = ReadSectionNames(
			[&reads](char* a_buffer, std::size_t a_size) {
				++reads;
				std::fill_n(a_buffer, a_size, 'x');
				a_buffer[3] = '\0';
				a_buffer[a_size - 2] = '\0';
				a_buffer[a_size - 1] = '\0';
				return a_size - 2;
			},
			MaxSectionListSize / 4);
		EXPECT_FALSE(list.complete);
		EXPECT_THAT(list.names, ElementsAre("xxx"));
		EXPECT_EQ(reads, 3u);
	}
}
