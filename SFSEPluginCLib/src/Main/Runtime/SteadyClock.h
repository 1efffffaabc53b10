#pragma once
// The plugin's clock: the platform's performance counter in nanoseconds,
// steady, from an arbitrary start.
#include <cstdint>

std::int64_t GetSteadyClockNanoseconds();
