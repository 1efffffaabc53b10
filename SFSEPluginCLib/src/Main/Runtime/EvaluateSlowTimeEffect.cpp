#include "Runtime/Update3DVFuncStruct.h"

#include "RE/TimeMultiplier.h"
#include "Runtime/Hotkeys.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"

namespace
{
	constexpr float SlowTimeMultiplier = 0.2f;
	constexpr float NormalTimeMultiplier = 1.0f;
}

// No state of its own: the game's multiplier tells whether the effect is in
// force, so a multiplier something else set is overwritten on the next pass.
bool Update3DVFuncStruct::EvaluateSlowTimeEffect()
{
	if (!CurrentProfile.bSmartAim) {
		return false;
	}

	const float current = RE::GetCurrentTimeMultiplier();
	if (IsHotkeyDown(CurrentProfile.iShowTimeEffectHotkey)) {
		if (current == SlowTimeMultiplier) {
			return false;
		}
		RE::SetTimeMultiplier(SlowTimeMultiplier);
		LOG_INFO("applying time mult");
		return true;
	}

	if (current == NormalTimeMultiplier) {
		return false;
	}
	RE::SetTimeMultiplier(NormalTimeMultiplier);
	LOG_INFO("removing time mult");
	return false;
}
