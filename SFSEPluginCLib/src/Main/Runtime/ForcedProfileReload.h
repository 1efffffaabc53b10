#pragma once
// While no profile is loaded, the profile switch reloads the INI files from
// the game's frame thread. A list that stays empty would cost a file reload
// and two error lines on every frame: after a failed reload the next one
// waits this long.
#include <cstdint>

inline constexpr std::int64_t ForcedProfileReloadIntervalNs = 5'000'000'000;

struct ForcedProfileReloadState
{
	bool bFailed{ false };           // the last reload left Profiles empty
	std::int64_t iLastAttempt{ 0 };  // steady-clock nanoseconds
};

extern ForcedProfileReloadState ForcedProfileReload;

// Whether a reload may run at a_now.
bool IsForcedProfileReloadDue(const ForcedProfileReloadState& a_state, std::int64_t a_now) noexcept;
