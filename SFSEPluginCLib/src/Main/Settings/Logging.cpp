#include "Settings/Logging.h"

#include "SFSE/Logger.h"

std::atomic<bool> bLogging{ true };

namespace Tarmacor::detail
{
	void WritePluginText(spdlog::level::level_enum a_level, const std::source_location& a_loc, std::string_view a_text)
	{
		spdlog::log(SFSE::log::detail::to_spdlog(a_loc), a_level, "{}", a_text);
	}
}
