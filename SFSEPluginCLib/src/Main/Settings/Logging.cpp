#include "Settings/Logging.h"

#include <windows.h>

#include "SFSE/Logger.h"

std::atomic<bool> bLogging{ true };

namespace Tarmacor::detail
{
	std::atomic<std::uint32_t> ForcedLoggingThread{ 0 };

	std::uint32_t GetLoggingThreadId() noexcept
	{
		return ::GetCurrentThreadId();
	}

	void WritePluginText(spdlog::level::level_enum a_level, const std::source_location& a_loc, std::string_view a_text)
	{
		spdlog::log(SFSE::log::detail::to_spdlog(a_loc), a_level, "{}", a_text);
	}
}

ScopedForcedLogging::ScopedForcedLogging() noexcept :
	_previous(Tarmacor::detail::ForcedLoggingThread.exchange(Tarmacor::detail::GetLoggingThreadId(), std::memory_order_relaxed))
{}

ScopedForcedLogging::~ScopedForcedLogging()
{
	Tarmacor::detail::ForcedLoggingThread.store(_previous, std::memory_order_relaxed);
}
