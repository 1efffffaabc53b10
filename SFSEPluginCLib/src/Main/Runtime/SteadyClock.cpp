#include "Runtime/SteadyClock.h"

#include <windows.h>

std::int64_t GetSteadyClockNanoseconds()
{
	// The frequency is fixed at boot; asking each time costs nothing on the
	// paths that read the clock (a held hotkey, a failed reload).
	LARGE_INTEGER frequency{};
	LARGE_INTEGER counter{};
	if (!::QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0 || !::QueryPerformanceCounter(&counter)) {
		return 0;
	}
	// Whole seconds and the rest apart: ticks * 10^9 overflows after a few
	// minutes of uptime at common frequencies.
	constexpr std::int64_t nanosecondsPerSecond = 1'000'000'000;
	const auto ticks = counter.QuadPart;
	const auto perSecond = frequency.QuadPart;
	return (ticks / perSecond) * nanosecondsPerSecond + (ticks % perSecond) * nanosecondsPerSecond / perSecond;
}
