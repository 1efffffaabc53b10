#pragma once
// A log for one test: the framework's logger set up exactly as in the game,
// but on a fresh folder of its own, and read back line by line.
#include <filesystem>
#include <string>
#include <vector>

namespace test
{
	struct LogLine
	{
		std::string timestamp;
		std::string level;
		std::string source;  // "<file base name>:<line>"
		std::string message;
	};

	// Splits a line of the log pattern; false when the line doesn't follow it.
	bool parse_log_line(const std::string& a_line, LogLine& a_out);

	// Reads a log file and splits it at "\r\n"; a missing file gives nothing.
	std::vector<std::string> read_log_lines(const std::filesystem::path& a_file);

	class TestLog
	{
	public:
		TestLog();
		~TestLog();
		TestLog(const TestLog&) = delete;
		TestLog& operator=(const TestLog&) = delete;

		const std::filesystem::path& folder() const noexcept { return _folder; }
		std::filesystem::path file() const;

		std::string text() const;
		std::vector<std::string> raw_lines() const;
		std::vector<LogLine> lines() const;
		// Just the message of every line, in order.
		std::vector<std::string> messages() const;
		// "<level>: <message>" for every line, handy for exact comparisons.
		std::vector<std::string> entries() const;

	private:
		std::filesystem::path _folder;
	};

	// A directory of its own for one test, removed with the object. A named
	// one is found again by a death test's child process, which runs the
	// test body anew.
	class TempFolder
	{
	public:
		TempFolder();
		explicit TempFolder(const std::wstring& a_name);
		~TempFolder();
		TempFolder(const TempFolder&) = delete;
		TempFolder& operator=(const TempFolder&) = delete;
		const std::filesystem::path& path() const noexcept { return _path; }

	private:
		std::filesystem::path _path;
	};

	// The folder the test executable lies in (the built plugin is copied there).
	std::filesystem::path executable_folder();
}
