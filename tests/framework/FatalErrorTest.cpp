#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <fmt/format.h>

#include "SFSE/FatalError.h"
#include "SFSE/Logger.h"
#include "SFSE/SourceName.h"
#include "TestLog.h"
#include "sim/platform/MessageBoxes.h"

namespace
{
	using SFSE::detail::short_source_name;

	TEST(FatalErrorSourceName, CutsAtTheLeftmostIncludeOrSrcSegment)
	{
		EXPECT_EQ(short_source_name(R"(C:\build\Tarmacor\src\SFSE\API.cpp)"), R"(SFSE\API.cpp)");
		EXPECT_EQ(short_source_name(R"(C:\build\Tarmacor\include\REL\ID.h)"), R"(REL\ID.h)");
		EXPECT_EQ(short_source_name("/work/main/src/SFSE/API.cpp"), "SFSE/API.cpp");
		EXPECT_EQ(short_source_name(R"(C:\a\src\include\x.h)"), R"(include\x.h)");
		EXPECT_EQ(short_source_name("src/x.cpp"), "x.cpp");
	}

	// The build maps the checkout to a relative path: whatever folders lie
	// above the checkout (a "src" among them), the project's own "src" is
	// the first segment.
	TEST(FatalErrorSourceName, CutsTheMappedPathAtItsFirstSegment)
	{
		EXPECT_EQ(short_source_name("src/SFSE/API.cpp"), "SFSE/API.cpp");
		EXPECT_EQ(short_source_name("./src/SFSE/API.cpp"), "SFSE/API.cpp");
		EXPECT_EQ(short_source_name(R"(src\SFSE\API.cpp)"), R"(SFSE\API.cpp)");
		EXPECT_EQ(short_source_name("include/REL/ID.h"), "REL/ID.h");
		EXPECT_EQ(short_source_name("tests/framework/FatalErrorTest.cpp"), "tests/framework/FatalErrorTest.cpp");
	}

	TEST(FatalErrorSourceName, TheBuildMapsTheCheckoutToARelativePath)
	{
		const std::source_location here = std::source_location::current();
		EXPECT_STREQ(here.file_name(), "tests/framework/FatalErrorTest.cpp");
		EXPECT_STREQ(__FILE__, "tests/framework/FatalErrorTest.cpp");
	}

	TEST(FatalErrorSourceName, KeepsNamesWithoutAnExactSegmentWhole)
	{
		EXPECT_EQ(short_source_name(R"(C:\a\mysrc\x.cpp)"), R"(C:\a\mysrc\x.cpp)");
		EXPECT_EQ(short_source_name(R"(C:\a\srcs\x.cpp)"), R"(C:\a\srcs\x.cpp)");
		EXPECT_EQ(short_source_name("x.cpp"), "x.cpp");
		EXPECT_EQ(short_source_name(""), "");
		// "include" must be followed by a separator, not end the path.
		EXPECT_EQ(short_source_name(R"(C:\a\include)"), R"(C:\a\include)");
	}

	TEST(FatalErrorSourceName, BoxTextNamesFileLineAndMessage)
	{
		EXPECT_EQ(SFSE::detail::fatal_box_text(R"(D:\p\src\SFSE\API.cpp)", 42, "interface is null"), R"(SFSE\API.cpp(42): interface is null)");
	}

	// The message box is taken over by the simulation, which prints it.
	void fail_with(const char* a_message, std::source_location a_loc = std::source_location::current())
	{
		sim::capture_message_boxes(::GetModuleHandleW(nullptr));
		SFSE::fatal_error(a_message, a_loc);
	}

	TEST(FatalErrorDeathTest, ShowsFileLineAndMessageUnderTheModuleNameAndExitsWith1)
	{
		// Whatever folders hold the checkout, the box ends in this file's
		// name, the line and the message.
		const int line = __LINE__ + 1;
		EXPECT_EXIT(fail_with("interface is null"), testing::ExitedWithCode(1),
			testing::AllOf(testing::HasSubstr("message box [framework_tests.exe]: "),
				testing::HasSubstr(fmt::format("FatalErrorTest.cpp({}): interface is null", line))));
	}

	TEST(FatalErrorDeathTest, InvalidUtf8StillEndsTheProcessWithTheReplacementText)
	{
		EXPECT_EXIT(fail_with("bad \xff\xfe text"), testing::ExitedWithCode(1),
			testing::HasSubstr("message box [framework_tests.exe]: <character encoding error>"));
	}

	TEST(FatalErrorDeathTest, WritesTheMessageAtCriticalLevelWithTheCheckLocation)
	{
		const test::TempFolder folder(L"fatal-log");
		EXPECT_EXIT(
			{
				SFSE::log::detail::set_up_logger_in(folder.path());
				fail_with("displacement is out of range");
			},
			testing::ExitedWithCode(1), testing::HasSubstr("displacement is out of range"));

		const auto lines = test::read_log_lines(folder.path() / SFSE::log::log_file_name().value());
		ASSERT_EQ(lines.size(), 1u);
		test::LogLine line;
		ASSERT_TRUE(test::parse_log_line(lines[0], line)) << lines[0];
		EXPECT_EQ(line.level, "critical");
		EXPECT_THAT(line.source, testing::MatchesRegex(R"(FatalErrorTest\.cpp:\d+)"));
		EXPECT_EQ(line.message, "displacement is out of range");
	}

	TEST(FatalErrorDeathTest, ReachesTheLogAfterItsSizeLimit)
	{
		const test::TempFolder folder(L"fatal-full-log");
		EXPECT_EXIT(
			{
				SFSE::log::detail::set_up_logger_in(folder.path(), 500);
				for (int i = 0; i < 20; ++i) {
					SFSE::log::info("filler line {}", i);
				}
				fail_with("hook site is gone");
			},
			testing::ExitedWithCode(1), testing::HasSubstr("hook site is gone"));

		const auto lines = test::read_log_lines(folder.path() / SFSE::log::log_file_name().value());
		ASSERT_GE(lines.size(), 2u);
		EXPECT_THAT(lines[lines.size() - 2], testing::HasSubstr("logging stops until the next start"));
		test::LogLine last;
		ASSERT_TRUE(test::parse_log_line(lines.back(), last)) << lines.back();
		EXPECT_EQ(last.level, "critical");
		EXPECT_EQ(last.message, "hook site is gone");
	}
}
