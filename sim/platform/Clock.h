#pragma once
// Time in the simulated game: while a ScopedClock lives, a module's
// QueryPerformanceCounter answers from the world's clock
// (sim::World::time.iSteadyNanoseconds) at one tick per nanosecond, so a
// test moves time by setting it. The module's own imports are put back when
// the object goes.
#include <windows.h>

namespace sim
{
	class ScopedClock
	{
	public:
		explicit ScopedClock(HMODULE a_module);
		~ScopedClock();
		ScopedClock(const ScopedClock&) = delete;
		ScopedClock& operator=(const ScopedClock&) = delete;

		// Whether the module imports both counter functions.
		bool redirected() const noexcept { return _counter && _frequency; }

	private:
		HMODULE _module;
		void* _counter;
		void* _frequency;
	};
}
