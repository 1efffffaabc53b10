#include "Lifecycle/SaveLoadEvent.h"

#include <string_view>

#include "Helpers/MenuQueries.h"
#include "Runtime/CycleView.h"
#include "Runtime/SteadyClock.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "Settings/GlobalSettings.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"
#include "State/GameData.h"
#include "State/ReloadRequests.h"
#include "State/RuntimeWork.h"
#include "State/SharedState.h"
#include "State/StringValues.h"

namespace
{
	constexpr std::int64_t kQuietNanoseconds = 3'001'000'000;
}

void FindCurrentProfileAgain(std::string_view a_caller)
{
	if (const auto index = FindProfileIndex(NameText(CurrentProfile.sProfileName)); index >= 0) {
		LOG_INFO_AS(a_caller, "current profile [", CurrentProfile.sProfileName, "] could be found in Profiles; reapplying profile");
		SaveCurrentProfile(index);
	} else {
		LOG_WARNING_AS(a_caller, "current profile [", CurrentProfile.sProfileName, "] could not be found in Profiles; reapplying Default profile");
		SaveCurrentProfile(0);
	}
	KeepActiveViewAfterReload();
}

void HandleSaveLoadEvent()
{
	const auto now = GetSteadyClockNanoseconds();
	const auto elapsed = now - std::atomic_ref(LastSaveLoadTime).exchange(now, std::memory_order_relaxed);
	if (elapsed < kQuietNanoseconds) {
		LOG_WARNING("could not reload profiles and settings | elapsed [", elapsed / 1'000'000, "]");
	} else {
		// Read on the INI thread while frames go on with the profiles in
		// force; the new ones take over in one step.
		LOG_INFO("reloading all profiles and settings...");
		RequestReload(kReloadForSaveLoad);
	}

	RunOnRuntime([player3D = Update3DVFuncStruct::GetPlayer3D()] { StoreShared(Player3D, player3D); });
	if (!IsMenuOpen(GetUIToAsk(), "PauseMenu") && LoadShared(iTestStringValues) > 0) {
		CopyFirstStringValueInto(StringValueGroup::kA);
		LOG_INFO("String values can be tested now");
	}
}
