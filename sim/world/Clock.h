#pragma once
// The game's steady clock as the performance counter reports it: ticks of
// 100 ns. Time moves only when a test or the demo moves it.
#include <atomic>
#include <cstdint>

namespace sim
{
	struct Clock
	{
		static constexpr std::int64_t kTicksPerSecond = 10'000'000;
		// Well away from zero: a clock read at start-up is never "just now".
		std::int64_t iTicks{ 1000 * kTicksPerSecond };

		// Moved on one thread while the game's threads read it.
		void advance_ms(double a_milliseconds) noexcept
		{
			std::atomic_ref(iTicks).fetch_add(static_cast<std::int64_t>(a_milliseconds * 10'000.0), std::memory_order_relaxed);
		}
		std::int64_t ticks() noexcept { return std::atomic_ref(iTicks).load(std::memory_order_relaxed); }
		std::int64_t nanoseconds() noexcept { return ticks() * 100; }
	};
}
