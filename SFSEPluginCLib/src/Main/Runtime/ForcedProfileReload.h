#pragma once
// While no profile is loaded, the profile switch asks the INI thread for a
// reload (a frame never reads a file). A list that stays empty would ask on
// every frame: after a reload that brought no profile, the next request
// waits this long.
#include <cstdint>

inline constexpr std::int64_t ForcedProfileReloadIntervalNs = 5'000'000'000;

// Under RuntimeMutex.
struct ForcedProfileReloadState
{
	bool bFailed{ false };           // the last request brought no profile yet
	std::int64_t iLastAttempt{ 0 };  // steady-clock nanoseconds of that request
};

extern ForcedProfileReloadState ForcedProfileReload;

// Whether a request may go out at a_now.
bool IsForcedProfileReloadDue(const ForcedProfileReloadState& a_state, std::int64_t a_now) noexcept;

// After the reload asked for was put in force (runtime work): an error line
// when it brought no profile either.
void FinishForcedProfileReload();
