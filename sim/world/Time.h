#pragma once
// The game's time multipliers (data items) and its steady clock.
#include <cstdint>

namespace sim
{
	struct Time
	{
		// What QueryPerformanceCounter answers while a ScopedClock lives
		// (sim/platform/Clock.h), at one tick per nanosecond.
		std::int64_t iSteadyNanoseconds{ 0 };
		float fCurrentTimeMultiplier{ 1.0f };  // RE::CurrentTimeMultiplier
		float fGlobalTimeMultiplier{ 1.0f };   // RE::GlobalTimeMultiplier
	};
}
