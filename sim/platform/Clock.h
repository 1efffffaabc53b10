#pragma once
// The clock in the simulated game: a module's QueryPerformanceCounter and
// QueryPerformanceFrequency answer from the world's clock (sim::World::clock),
// so a test moves time by advancing it.
#include <windows.h>

namespace sim
{
	// False when a_module imports neither.
	bool redirect_clock(HMODULE a_module);
}
