#pragma once
// The plugin's own log lines: "[<function>] " + the body pieces, written only
// while bLogging is on. The switch is tested before any text is built.
#include <atomic>
#include <cstdint>
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
	// The one thread whose lines are written whatever bLogging says (0: none):
	// a reload reports itself, while frames on other threads keep to the
	// setting in force.
	extern std::atomic<std::uint32_t> ForcedLoggingThread;
	std::uint32_t GetLoggingThreadId() noexcept;

	inline bool IsLoggingForcedHere() noexcept
	{
		const auto forced = ForcedLoggingThread.load(std::memory_order_relaxed);
		return forced != 0 && forced == GetLoggingThreadId();
	}
}

// Whether a plugin line written on this thread now reaches the log.
inline bool IsPluginLoggingOn() noexcept
{
	return bLogging.load(std::memory_order_relaxed) || Tarmacor::detail::IsLoggingForcedHere();
}

// Writes this thread's plugin lines whatever bLogging says, for the object's
// life. One at a time: reloads don't overlap.
class ScopedForcedLogging
{
public:
	ScopedForcedLogging() noexcept;
	~ScopedForcedLogging();
	ScopedForcedLogging(const ScopedForcedLogging&) = delete;
	ScopedForcedLogging& operator=(const ScopedForcedLogging&) = delete;

private:
	std::uint32_t _previous;
};

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
#define TARMACOR_LOG_AS(a_level, a_function, ...)                                                                         \
	do {                                                                                                              \
		if (IsPluginLoggingOn()) {                                                                                    \
			::Tarmacor::detail::WritePluginLine(a_level, a_function, std::source_location::current(), __VA_ARGS__);   \
		}                                                                                                             \
	} while (false)
// clang-format on
#define TARMACOR_LOG(a_level, ...) TARMACOR_LOG_AS(a_level, static_cast<const char*>(__func__), __VA_ARGS__)

#define LOG_INFO(...) TARMACOR_LOG(spdlog::level::info, __VA_ARGS__)
#define LOG_WARNING(...) TARMACOR_LOG(spdlog::level::warn, __VA_ARGS__)
#define LOG_ERROR(...) TARMACOR_LOG(spdlog::level::err, __VA_ARGS__)

// Lines under the name of the function a piece of work belongs to, written
// where that work runs (a step of an event handler run later by a frame).
#define LOG_INFO_AS(a_function, ...) TARMACOR_LOG_AS(spdlog::level::info, a_function, __VA_ARGS__)
#define LOG_WARNING_AS(a_function, ...) TARMACOR_LOG_AS(spdlog::level::warn, a_function, __VA_ARGS__)
#define LOG_ERROR_AS(a_function, ...) TARMACOR_LOG_AS(spdlog::level::err, a_function, __VA_ARGS__)

// In a catch-all handler of an entry point, where nothing may escape: the
// line, or nothing when building it fails too (no memory left).
#define LOG_WITHOUT_THROWING(a_log, ...) \
	do {                                 \
		try {                            \
			a_log(__VA_ARGS__);          \
		} catch (...) {                  \
		}                                \
	} while (false)
