#pragma once
// The game's time multipliers (data items), and the steady clock the
// performance counter reads (sim/platform/Clock.h).
#include <cstdint>

namespace sim
{
	struct Time
	{
		float fCurrentTimeMultiplier{ 1.0f };  // RE::CurrentTimeMultiplier
		float fGlobalTimeMultiplier{ 1.0f };   // RE::GlobalTimeMultiplier
		std::int64_t iSteadyNanoseconds{ 0 };
	};
}
