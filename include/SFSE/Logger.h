#pragma once
// The framework's log: one file per game start in the host's log folder, plus
// the debugger's output while a debugger is attached.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <source_location>
#include <string_view>
#include <utility>

#include <spdlog/spdlog.h>

namespace SFSE::log
{
	// Documents\My Games\Starfield\SFSE\Logs, or nothing when the known
	// folder can't be obtained.
	std::optional<std::filesystem::path> log_directory();

	// The file stops growing here (see bounded_file_sink): small enough for
	// a player's text editor, large enough for a long session of framework
	// lines or some seconds of the plugin's per-frame lines.
	inline constexpr std::size_t log_size_limit = 16 * 1024 * 1024;

	// Builds the "SFSE" logger on "<plugin name>.log" in log_directory() and
	// makes it the default logger. Without a log folder, or when the file
	// can't be opened, the logger in place is kept and one error line says
	// why; nothing is thrown.
	void set_up_logger();

	// The log file's name, "<name field of our own version record>.log".
	std::optional<std::filesystem::path> log_file_name();

	namespace detail
	{
		// The logger on an explicit folder; set_up_logger() uses the
		// Documents one. Tests lower the size limit.
		void set_up_logger_in(const std::filesystem::path& a_directory, std::size_t a_sizeLimit = log_size_limit);

		inline spdlog::source_loc to_spdlog(const std::source_location& a_loc) noexcept
		{
			return { a_loc.file_name(), static_cast<int>(a_loc.line()), a_loc.function_name() };
		}
	}

	// Framework log statements: a format string with its arguments, the
	// caller's source location, no prefix, written whatever the plugin's own
	// logging switch says.
// clang-format off
#define SFSE_LOG_LEVEL_STATEMENT(a_name, a_level)                                                      \
	template <class... Args>                                                                        \
	struct a_name                                                                                   \
	{                                                                                               \
		a_name(spdlog::format_string_t<Args...> a_fmt, Args&&... a_args,                            \
			std::source_location a_loc = std::source_location::current())                          \
		{                                                                                           \
			spdlog::log(detail::to_spdlog(a_loc), a_level, a_fmt, std::forward<Args>(a_args)...); \
		}                                                                                           \
	};                                                                                              \
	template <class... Args>                                                                        \
	a_name(spdlog::format_string_t<Args...>, Args&&...) -> a_name<Args...>;
	// clang-format on

	SFSE_LOG_LEVEL_STATEMENT(debug, spdlog::level::debug)
	SFSE_LOG_LEVEL_STATEMENT(info, spdlog::level::info)
	SFSE_LOG_LEVEL_STATEMENT(warn, spdlog::level::warn)
	SFSE_LOG_LEVEL_STATEMENT(error, spdlog::level::err)
	SFSE_LOG_LEVEL_STATEMENT(critical, spdlog::level::critical)

#undef SFSE_LOG_LEVEL_STATEMENT
}
