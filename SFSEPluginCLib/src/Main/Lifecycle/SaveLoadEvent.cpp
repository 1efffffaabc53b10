#include "Lifecycle/SaveLoadEvent.h"

#include <cstring>
#include <mutex>

#include "Lifecycle/GameData.h"
#include "Lifecycle/SharedState.h"
#include "Lifecycle/StringValues.h"
#include "Runtime/ApplyProfile.h"
#include "Runtime/MenuQueries.h"
#include "Runtime/SteadyClock.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "Settings/GlobalSettings.h"
#include "Settings/Logging.h"
#include "Settings/ProfileDump.h"
#include "Settings/ProfileLoading.h"
#include "Settings/Profiles.h"

namespace
{
	constexpr std::int64_t kQuietNanoseconds = 3'001'000'000;

	// The first profile named like the current one, compared up to the
	// first zero; an empty name matches nothing.
	std::int32_t FindCurrentProfileIndex()
	{
		const char* current = CurrentProfile.sProfileName.c_str();
		if (*current == '\0') {
			return -1;
		}
		for (std::size_t i = 0; i < Profiles.size(); ++i) {
			const char* name = Profiles[i].sProfileName.c_str();
			if (*name != '\0' && std::strcmp(name, current) == 0) {
				return static_cast<std::int32_t>(i);
			}
		}
		return -1;
	}
}

void HandleSaveLoadEvent()
{
	{
		const std::lock_guard lock(SharedStateMutex);
		const auto now = GetSteadyClockNanoseconds();
		const auto elapsed = now - LastSaveLoadTime;
		LastSaveLoadTime = now;
		if (elapsed < kQuietNanoseconds) {
			LOG_WARNING("could not reload profiles and settings | elapsed [", elapsed / 1'000'000, "]");
		} else {
			// Every line under this function's own name.
			LOG_INFO("reloading all profiles and settings...");
			ReloadAllProfilesAndSettings(false);
			if (const auto index = FindCurrentProfileIndex(); index >= 0) {
				LOG_INFO("current profile [", CurrentProfile.sProfileName, "] could be found in Profiles; reapplying profile");
				SaveCurrentProfile(index);
			} else {
				LOG_WARNING("current profile [", CurrentProfile.sProfileName, "] could not be found in Profiles; reapplying Default profile");
				SaveCurrentProfile(0);
			}
			DumpAllProfiles();
			ApplyProfile(CurrentProfile);
		}
	}

	StoreShared(Player3D, Update3DVFuncStruct::GetPlayer3D());
	if (!IsMenuOpen(GetUIToAsk(), "PauseMenu") && LoadShared(iTestStringValues) > 0) {
		CopyFirstStringValueInto(StringValueGroup::kA);
		LOG_INFO("String values can be tested now");
	}
}
