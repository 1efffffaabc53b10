#include <stdexcept>

#include <gtest/gtest.h>

#include "REL/Version.h"

namespace
{
	using REL::parse_version_text;
	using REL::Version;

	TEST(VersionText, MissingPiecesAreZeroAndExtraPiecesIgnored)
	{
		EXPECT_EQ(parse_version_text(L"1.14.70.0"), Version(1, 14, 70, 0));
		EXPECT_EQ(parse_version_text(L"1.14.70"), Version(1, 14, 70, 0));
		EXPECT_EQ(parse_version_text(L"1.14.70.0.5"), Version(1, 14, 70, 0));
		EXPECT_EQ(parse_version_text(L""), Version(0, 0, 0, 0));
		EXPECT_EQ(parse_version_text(L"1.14."), Version(1, 14, 0, 0));
	}

	TEST(VersionText, KeepsTheLow16BitsOfEachPiece)
	{
		EXPECT_EQ(parse_version_text(L"1.70000.65535.65536"), Version(1, 4464, 65535, 0));
		EXPECT_EQ(parse_version_text(L"-1.0.0.0"), Version(65535, 0, 0, 0));
	}

	TEST(VersionText, PiecesAreReadLikeStoi)
	{
		EXPECT_EQ(parse_version_text(L" 7.8abc.9"), Version(7, 8, 9, 0));
		EXPECT_THROW(parse_version_text(L"1.x.3"), std::invalid_argument);
		EXPECT_THROW(parse_version_text(L"1..3"), std::invalid_argument);
		EXPECT_THROW(parse_version_text(L"1.99999999999"), std::out_of_range);
	}

	TEST(VersionText, StringJoinsWithTheCallersSeparator)
	{
		EXPECT_EQ(Version(1, 14, 70, 0).string(), "1.14.70.0");
		EXPECT_EQ(Version(1, 14, 70, 0).string("-"), "1-14-70-0");
		EXPECT_LT(Version(1, 14, 70, 0), Version(1, 14, 71, 0));
		EXPECT_LT(Version(1, 9, 99, 9), Version(1, 14, 0, 0));
	}
}
