#include "TestLog.h"

#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include <windows.h>

#include "SFSE/Logger.h"
#include "sim/GameFolder.h"

namespace test
{
	bool parse_log_line(const std::string& a_line, LogLine& a_out)
	{
		static const std::regex pattern(R"(^\[(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{6})\] \[SFSE\] \[(\w+)\] \[([^\]:]+:\d+)\] (.*)$)");
		std::smatch match;
		if (!std::regex_match(a_line, match, pattern)) {
			return false;
		}
		a_out = { match[1].str(), match[2].str(), match[3].str(), match[4].str() };
		return true;
	}

	std::vector<std::string> read_log_lines(const std::filesystem::path& a_file)
	{
		std::ifstream file(a_file, std::ios::binary);
		const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
		std::vector<std::string> lines;
		std::size_t start = 0;
		while (start < text.size()) {
			const auto end = text.find("\r\n", start);
			if (end == std::string::npos) {
				lines.push_back(text.substr(start));
				break;
			}
			lines.push_back(text.substr(start, end - start));
			start = end + 2;
		}
		return lines;
	}

	TestLog::TestLog() :
		_folder(sim::fresh_folder(std::filesystem::temp_directory_path(), L"log"))
	{
		SFSE::log::detail::set_up_logger_in(_folder);
	}

	TestLog::~TestLog()
	{
		// Back to a logger that writes nowhere in particular, so the file
		// can go.
		spdlog::set_default_logger(std::make_shared<spdlog::logger>("test-null"));
		std::error_code ignored;
		std::filesystem::remove_all(_folder, ignored);
	}

	std::filesystem::path TestLog::file() const
	{
		return _folder / SFSE::log::log_file_name().value();
	}

	std::string TestLog::text() const
	{
		std::ifstream in(file(), std::ios::binary);
		return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
	}

	std::vector<std::string> TestLog::raw_lines() const { return read_log_lines(file()); }

	std::vector<LogLine> TestLog::lines() const
	{
		std::vector<LogLine> result;
		for (const auto& raw : raw_lines()) {
			LogLine line;
			if (!parse_log_line(raw, line)) {
				line.message = "<unparsed> " + raw;
			}
			result.push_back(std::move(line));
		}
		return result;
	}

	std::vector<std::string> TestLog::messages() const
	{
		std::vector<std::string> result;
		for (const auto& line : lines()) {
			result.push_back(line.message);
		}
		return result;
	}

	std::vector<std::string> TestLog::entries() const
	{
		std::vector<std::string> result;
		for (const auto& line : lines()) {
			result.push_back(line.level + ": " + line.message);
		}
		return result;
	}

	TempFolder::TempFolder() :
		_path(sim::fresh_folder(std::filesystem::temp_directory_path(), L"tmp"))
	{}

	TempFolder::TempFolder(const std::wstring& a_name) :
		_path(std::filesystem::temp_directory_path() / (L"tarmacor-" + a_name))
	{
		std::filesystem::remove_all(_path);
		std::filesystem::create_directories(_path);
	}

	TempFolder::~TempFolder()
	{
		std::error_code ignored;
		std::filesystem::remove_all(_path, ignored);
	}

	std::filesystem::path executable_folder()
	{
		std::wstring buffer(1024, L'\0');
		const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
		buffer.resize(length);
		return std::filesystem::path(buffer).parent_path();
	}
}
