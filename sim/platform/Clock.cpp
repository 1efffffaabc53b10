#include "sim/platform/Clock.h"

#include "sim/platform/ImportHook.h"
#include "sim/world/World.h"

namespace sim
{
	namespace
	{
		BOOL WINAPI query_counter(LARGE_INTEGER* a_counter)
		{
			a_counter->QuadPart = world().time.iSteadyNanoseconds;
			return TRUE;
		}

		BOOL WINAPI query_frequency(LARGE_INTEGER* a_frequency)
		{
			a_frequency->QuadPart = 1'000'000'000;
			return TRUE;
		}
	}

	ScopedClock::ScopedClock(HMODULE a_module) :
		_module(a_module),
		_counter(patch_import(a_module, "kernel32.dll", "QueryPerformanceCounter", reinterpret_cast<void*>(&query_counter))),
		_frequency(patch_import(a_module, "kernel32.dll", "QueryPerformanceFrequency", reinterpret_cast<void*>(&query_frequency)))
	{}

	ScopedClock::~ScopedClock()
	{
		if (_counter) {
			patch_import(_module, "kernel32.dll", "QueryPerformanceCounter", _counter);
		}
		if (_frequency) {
			patch_import(_module, "kernel32.dll", "QueryPerformanceFrequency", _frequency);
		}
	}
}
