#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>

#include <windows.h>

#include <shlobj.h>

#include "SFSE/Logger.h"
#include "SFSE/Unicode.h"
#include "Settings/Logging.h"
#include "TestLog.h"
#include "sim/platform/ImportHook.h"

namespace
{
	using testing::ElementsAre;

	// Every plugin line names the function that wrote it.
	void WriteSampleLine()
	{
		LOG_INFO("body with {braces} and {} kept, ", 42, " ", -7);
	}

	struct SwitchGuard
	{
		bool saved{ bLogging };
		~SwitchGuard() { bLogging = saved; }
	};

	TEST(LogFile, LinesFollowThePatternByteForByteWithCrLf)
	{
		test::TestLog log;
		const int line = __LINE__ + 1;
		SFSE::log::warn("framework {} line", 1);
		WriteSampleLine();

		const auto text = log.text();
		const std::regex pattern(
			R"(\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{6}\] \[SFSE\] \[warning\] \[LoggerTest\.cpp:)" + std::to_string(line) +
			R"(\] framework 1 line\r\n)"
			R"(\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{6}\] \[SFSE\] \[info\] \[LoggerTest\.cpp:\d+\] \[WriteSampleLine\] body with \{braces\} and \{\} kept, 42 -7\r\n)");
		EXPECT_TRUE(std::regex_match(text, pattern)) << text;
	}

	std::int64_t Ticks(const SYSTEMTIME& a_time)
	{
		FILETIME file{};
		::SystemTimeToFileTime(&a_time, &file);
		return static_cast<std::int64_t>((std::uint64_t{ file.dwHighDateTime } << 32) | file.dwLowDateTime);
	}

	// A log line's time, "YYYY-MM-DD HH:MM:SS.ffffff", in file-time ticks.
	std::int64_t TicksOfLogTime(const std::string& a_text)
	{
		SYSTEMTIME time{};
		unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, microseconds = 0;
		EXPECT_EQ(std::sscanf(a_text.c_str(), "%u-%u-%u %u:%u:%u.%u", &year, &month, &day, &hour, &minute, &second, &microseconds), 7) << a_text;
		time.wYear = static_cast<WORD>(year);
		time.wMonth = static_cast<WORD>(month);
		time.wDay = static_cast<WORD>(day);
		time.wHour = static_cast<WORD>(hour);
		time.wMinute = static_cast<WORD>(minute);
		time.wSecond = static_cast<WORD>(second);
		return Ticks(time) + std::int64_t{ microseconds } * 10;
	}

	// The line's time lies within a minute of local clock readings taken
	// around it: the log's clock and GetLocalTime may tick at different
	// rates, and a minute still tells local time from UTC hours apart.
	TEST(LogFile, TimeIsLocal)
	{
		SYSTEMTIME utc{};
		SYSTEMTIME local{};
		::GetSystemTime(&utc);
		::GetLocalTime(&local);
		ASSERT_GE(std::abs(Ticks(local) - Ticks(utc)), std::int64_t{ 60 } * 10'000'000)
			<< "local time and UTC must differ here (the test's ctest entry sets TZ), or the test can't tell them apart";

		test::TestLog log;
		SYSTEMTIME before{};
		::GetLocalTime(&before);
		SFSE::log::info("now");
		SYSTEMTIME after{};
		::GetLocalTime(&after);
		const auto lines = log.lines();
		ASSERT_EQ(lines.size(), 1u);
		constexpr std::int64_t kMinute = std::int64_t{ 60 } * 10'000'000;
		const auto logged = TicksOfLogTime(lines[0].timestamp);
		EXPECT_GE(logged, Ticks(before) - kMinute) << lines[0].timestamp;
		EXPECT_LE(logged, Ticks(after) + kMinute) << lines[0].timestamp;
	}

	TEST(LogFile, LevelsBelowInfoAreFilteredAndInfoIsFlushedAtOnce)
	{
		test::TestLog log;
		SFSE::log::debug("not written");
		SFSE::log::info("written");
		// Read while the logger is still open: flushed per line.
		EXPECT_THAT(log.entries(), ElementsAre("info: written"));
	}

	TEST(LogFile, OpeningTruncatesTheFileOfTheLastStart)
	{
		test::TestLog log;
		SFSE::log::info("first start");
		SFSE::log::detail::set_up_logger_in(log.folder());
		SFSE::log::info("second start");
		EXPECT_THAT(log.messages(), ElementsAre("second start"));
	}

	TEST(LogFile, StopsAtItsSizeLimitWithOneLineAndKeepsCriticalLines)
	{
		test::TestLog log;
		constexpr std::size_t limit = 2000;
		SFSE::log::detail::set_up_logger_in(log.folder(), limit);
		int written = 0;
		while (std::filesystem::file_size(log.file()) < limit) {
			SFSE::log::info("line {} of a long session", written++);
		}
		SFSE::log::error("not written after the limit");
		SFSE::log::critical("a fatal error");
		const auto entries = log.entries();

		// Every line that fitted, then the notice, then only the critical line.
		ASSERT_GE(entries.size(), 3u);
		const auto fitted = static_cast<int>(entries.size() - 2);
		EXPECT_EQ(fitted, written - 1) << "the line that would pass the limit is the one dropped";
		EXPECT_EQ(entries[0], "info: line 0 of a long session");
		EXPECT_EQ(entries[fitted - 1], fmt::format("info: line {} of a long session", fitted - 1));
		EXPECT_EQ(entries[fitted],
			"warning: the log has reached its size limit of 2000 bytes; logging stops until the next start");
		EXPECT_EQ(entries.back(), "critical: a fatal error");
		const auto raw = log.raw_lines();
		std::size_t beforeNotice = 0;
		for (int i = 0; i < fitted; ++i) {
			beforeNotice += raw[i].size() + 2;
		}
		EXPECT_LE(beforeNotice, limit);
	}

	TEST(LogFile, FolderWithNonAsciiNameGetsTheLog)
	{
		test::TempFolder root;
		const auto folder = root.path() / L"J\u00f6rg \u65e5\u672c" / L"My Games";
		SFSE::log::detail::set_up_logger_in(folder);
		SFSE::log::info("caf\xc3\xa9");
		spdlog::set_default_logger(std::make_shared<spdlog::logger>("test-null"));

		const auto file = folder / SFSE::log::log_file_name().value();
		ASSERT_TRUE(std::filesystem::exists(file));
		const auto lines = test::read_log_lines(file);
		ASSERT_EQ(lines.size(), 1u);
		EXPECT_THAT(lines[0], testing::EndsWith("caf\xc3\xa9"));
	}

	TEST(LogFile, NameComesFromTheVersionRecord)
	{
		EXPECT_EQ(SFSE::log::log_file_name(), std::filesystem::path(L"Tarmacor - SFSE Plugin by Quenvar.log"));
	}

	TEST(LogFile, FolderIsUnderDocuments)
	{
		const auto folder = SFSE::log::log_directory();
		ASSERT_TRUE(folder);
		EXPECT_THAT(folder->wstring(), testing::EndsWith(L"\\Documents\\My Games\\Starfield\\SFSE\\Logs"));
	}

	HRESULT WINAPI failing_known_folder(REFKNOWNFOLDERID, DWORD, HANDLE, PWSTR* a_path)
	{
		*a_path = nullptr;
		return E_FAIL;
	}

	TEST(LogFile, WithoutDocumentsFolderThereIsNoFileAndOneErrorLine)
	{
		test::TestLog log;
		const auto self = ::GetModuleHandleW(nullptr);
		auto* original = sim::patch_import(self, "shell32.dll", "SHGetKnownFolderPath", reinterpret_cast<void*>(&failing_known_folder));
		ASSERT_NE(original, nullptr);

		EXPECT_EQ(SFSE::log::log_directory(), std::nullopt);
		SFSE::log::set_up_logger();  // keeps the logger it finds
		SFSE::log::info("still here");
		sim::patch_import(self, "shell32.dll", "SHGetKnownFolderPath", original);

		// clang-format off
		EXPECT_THAT(log.entries(), ElementsAre(
									   "error: failed to get known folder path",
									   "error: failed to get known folder path",
									   "info: still here"));
		// clang-format on
	}

	// What stands at the log file's path while the logger is set up.
	enum class Blocker
	{
		kFolder,
		kFileOpenedWithoutSharing,
	};

	class LogFileBlocked : public testing::TestWithParam<Blocker>
	{
	};

	TEST_P(LogFileBlocked, KeepsTheLoggerInPlaceWithOneErrorLineNamingPathAndReason)
	{
		test::TestLog log;
		const test::TempFolder root;
		const auto file = root.path() / SFSE::log::log_file_name().value();
		HANDLE locked = INVALID_HANDLE_VALUE;
		if (GetParam() == Blocker::kFolder) {
			std::filesystem::create_directories(file);
		} else {
			locked = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
			ASSERT_NE(locked, INVALID_HANDLE_VALUE);
		}

		EXPECT_NO_THROW(SFSE::log::detail::set_up_logger_in(root.path()));
		SFSE::log::info("still here");
		if (locked != INVALID_HANDLE_VALUE) {
			::CloseHandle(locked);
		}

		const auto shown = SFSE::stl::utf16_to_utf8(file.wstring()).value();
		const auto entries = log.entries();
		ASSERT_EQ(entries.size(), 2u) << testing::PrintToString(entries);
		const auto prefix = "error: failed to open the log file " + shown + " | ";
		ASSERT_THAT(entries[0], testing::StartsWith(prefix));
		const auto reason = entries[0].substr(prefix.size());
		if (GetParam() == Blocker::kFolder) {
			EXPECT_EQ(reason, "a folder of that name is in its place");
		} else {
			EXPECT_THAT(reason, testing::Not(testing::HasSubstr(shown))) << "the path is named once";
			EXPECT_FALSE(reason.empty());
		}
		EXPECT_EQ(entries[1], "info: still here");
	}

	INSTANTIATE_TEST_SUITE_P(LogFile, LogFileBlocked, testing::Values(Blocker::kFolder, Blocker::kFileOpenedWithoutSharing));

	struct CountingPiece
	{
		int* formatted;
	};
}

template <>
struct fmt::formatter<CountingPiece> : fmt::formatter<int>
{
	auto format(const CountingPiece& a_piece, fmt::format_context& a_ctx) const
	{
		return fmt::formatter<int>::format(++*a_piece.formatted, a_ctx);
	}
};

namespace
{
	void WriteCountedLine(int& a_formatted)
	{
		LOG_INFO("piece ", CountingPiece{ &a_formatted });
	}

	TEST(LogSwitch, PluginLinesFollowItFrameworkLinesIgnoreIt)
	{
		test::TestLog log;
		SwitchGuard guard;
		int formatted = 0;

		bLogging = false;
		WriteCountedLine(formatted);
		SFSE::log::info("framework while off");
		EXPECT_EQ(formatted, 0) << "the body must not even be built";

		bLogging = true;
		WriteCountedLine(formatted);
		EXPECT_EQ(formatted, 1);

		EXPECT_THAT(log.messages(), ElementsAre("framework while off", "[WriteCountedLine] piece 1"));
	}

	// The debugger sink consults the debugger-present check on every line.
	int g_debuggerPresent = 0;
	std::vector<std::string> g_debugOutput;

	BOOL WINAPI fake_is_debugger_present() { return g_debuggerPresent; }
	void WINAPI fake_output_debug_string(LPCSTR a_text) { g_debugOutput.emplace_back(a_text); }

	TEST(LogDebuggerOutput, WritesOnlyWhileADebuggerIsAttached)
	{
		const auto self = ::GetModuleHandleW(nullptr);
		ASSERT_TRUE(sim::patch_import(self, "kernel32.dll", "IsDebuggerPresent", reinterpret_cast<void*>(&fake_is_debugger_present)));
		ASSERT_TRUE(sim::patch_import(self, "kernel32.dll", "OutputDebugStringA", reinterpret_cast<void*>(&fake_output_debug_string)));

		test::TestLog log;
		g_debuggerPresent = 0;
		SFSE::log::info("unseen");
		EXPECT_TRUE(g_debugOutput.empty());

		g_debuggerPresent = 1;
		SFSE::log::info("seen");
		ASSERT_EQ(g_debugOutput.size(), 1u);
		EXPECT_THAT(g_debugOutput[0], testing::EndsWith("] seen\r\n"));
		EXPECT_THAT(log.messages(), ElementsAre("unseen", "seen"));
	}
}
