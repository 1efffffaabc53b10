#pragma once
// The plugin's own log lines: "[<function>] " + the body pieces, written only
// while bLogging is on. The switch is tested before any text is built.
#include <atomic>
#include <iterator>
#include <source_location>
#include <string>
#include <string_view>

#include <fmt/format.h>
#include <spdlog/common.h>

// Whether the plugin's own lines are written; framework lines ignore it.
extern std::atomic<bool> bLogging;

namespace Tarmacor::detail
{
	// Hands a finished line to the framework's log with the caller's source
	// location. Out of line, so that the logging library's templates are
	// built once and not in every file that logs.
	void WritePluginText(spdlog::level::level_enum a_level, const std::source_location& a_loc, std::string_view a_text);

	template <class... Pieces>
	void WritePluginLine(spdlog::level::level_enum a_level, std::string_view a_function, const std::source_location& a_loc, const Pieces&... a_pieces)
	{
		std::string text;
		text.reserve(64);
		text += '[';
		text += a_function;
		text += "] ";
		(fmt::format_to(std::back_inserter(text), "{}", a_pieces), ...);
		WritePluginText(a_level, a_loc, text);
	}
}

// clang-format off
#define TARMACOR_LOG(a_level, ...)                                                                                        \
	do {                                                                                                              \
		if (bLogging) {                                                                                               \
			::Tarmacor::detail::WritePluginLine(a_level, static_cast<const char*>(__func__), std::source_location::current(), __VA_ARGS__); \
		}                                                                                                             \
	} while (false)
// clang-format on

#define LOG_INFO(...) TARMACOR_LOG(spdlog::level::info, __VA_ARGS__)
#define LOG_WARNING(...) TARMACOR_LOG(spdlog::level::warn, __VA_ARGS__)
#define LOG_ERROR(...) TARMACOR_LOG(spdlog::level::err, __VA_ARGS__)
