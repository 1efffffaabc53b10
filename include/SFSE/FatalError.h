#pragma once
#include <source_location>
#include <string_view>

namespace SFSE
{
	// For conditions the framework can't continue from: a critical log line,
	// a message box naming the failed check's file and line, then the end of
	// the process with exit code 1. Never returns.
	[[noreturn]] void fatal_error(std::string_view a_message, std::source_location a_loc = std::source_location::current());
}
