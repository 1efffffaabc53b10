#include "sim/platform/Clock.h"

#include "sim/platform/ImportHook.h"
#include "sim/world/World.h"

namespace sim
{
	namespace
	{
		BOOL WINAPI query_counter(LARGE_INTEGER* a_counter)
		{
			a_counter->QuadPart = world().clock.ticks();
			return TRUE;
		}

		BOOL WINAPI query_frequency(LARGE_INTEGER* a_frequency)
		{
			a_frequency->QuadPart = Clock::kTicksPerSecond;
			return TRUE;
		}
	}

	bool redirect_clock(HMODULE a_module)
	{
		const bool counter = patch_import(a_module, "kernel32.dll", "QueryPerformanceCounter", reinterpret_cast<void*>(&query_counter)) != nullptr;
		const bool frequency = patch_import(a_module, "kernel32.dll", "QueryPerformanceFrequency", reinterpret_cast<void*>(&query_frequency)) != nullptr;
		return counter || frequency;
	}
}
