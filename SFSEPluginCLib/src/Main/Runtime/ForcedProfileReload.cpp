#include "Runtime/ForcedProfileReload.h"

#include "Settings/Logging.h"
#include "Settings/Profiles.h"

ForcedProfileReloadState ForcedProfileReload;

bool IsForcedProfileReloadDue(const ForcedProfileReloadState& a_state, std::int64_t a_now) noexcept
{
	// Compared as a difference: a clock that started anew (a test's, or a
	// value from before) never holds the reload back for longer than one
	// interval.
	return !a_state.bFailed || a_now - a_state.iLastAttempt >= ForcedProfileReloadIntervalNs ||
		a_now < a_state.iLastAttempt;
}

void FinishForcedProfileReload()
{
	if (!Profiles.empty()) {
		ForcedProfileReload.bFailed = false;
		return;
	}
	LOG_ERROR_AS("UpdateCurrentProfile", "Profiles.size == 0; could not reload all profiles and settings");
}
