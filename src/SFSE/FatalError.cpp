#include "SFSE/FatalError.h"

#include <cstdlib>
#include <string>

#include <windows.h>

#include "OwnModule.h"
#include "SFSE/Logger.h"
#include "SFSE/SourceName.h"
#include "SFSE/Unicode.h"

namespace SFSE
{
	void fatal_error(std::string_view a_message, std::source_location a_loc)
	{
		// clang-format off
		const auto text = stl::utf8_to_utf16(detail::fatal_box_text(a_loc.file_name(), a_loc.line(), a_message))
		                      .value_or(L"<character encoding error>");
		// clang-format on

		std::wstring caption;
		if (const auto path = detail::module_path(detail::own_module())) {
			caption = path->filename().wstring();
		}

		if (auto* logger = spdlog::default_logger_raw(); logger && logger->level() != spdlog::level::off) {
			logger->log(log::detail::to_spdlog(a_loc), spdlog::level::critical, "{}", a_message);
		}

		::MessageBoxW(nullptr, text.c_str(), caption.empty() ? nullptr : caption.c_str(), 0);
		::TerminateProcess(::GetCurrentProcess(), 1);
		std::abort();  // not reached: TerminateProcess doesn't return for the own process
	}
}
