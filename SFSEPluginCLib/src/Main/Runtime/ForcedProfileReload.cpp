#include "Runtime/ForcedProfileReload.h"

ForcedProfileReloadState ForcedProfileReload;

bool IsForcedProfileReloadDue(const ForcedProfileReloadState& a_state, std::int64_t a_now) noexcept
{
	// Compared as a difference: a clock that started anew (a test's, or a
	// value from before) never holds the reload back for longer than one
	// interval.
	return !a_state.bFailed || a_now - a_state.iLastAttempt >= ForcedProfileReloadIntervalNs ||
		a_now < a_state.iLastAttempt;
}
