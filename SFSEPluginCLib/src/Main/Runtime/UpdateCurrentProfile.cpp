#include "Runtime/Update3DVFuncStruct.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "Helpers/FormNames.h"
#include "RE/Natives.h"
#include "RE/TESObjectREFR.h"
#include "Runtime/ApplyProfile.h"
#include "Runtime/CycleView.h"
#include "Runtime/ForcedProfileReload.h"
#include "Runtime/SteadyClock.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"
#include "State/GameData.h"
#include "State/ReloadRequests.h"

namespace
{
	// The vehicle the player drives, when it is one the runtime handles.
	RE::TESObjectREFR* GetHandledVehicle()
	{
		if (!PlayerRef) {
			return nullptr;
		}
		auto* vehicle = RE::ActorNative::GetVehicle(PlayerRef);
		// The game isn't asked about a form it has no longer loaded.
		if (!vehicle || !FormSFBGS004_017 || !vehicle->MatchesForm(FormSFBGS004_017)) {
			return nullptr;
		}
		return vehicle;
	}

	// Whether the fallback profile is the active one already. The first
	// profile counts by its own name too: a vanilla INI whose first section
	// isn't "Default" would otherwise be applied anew on every pass.
	bool IsFallbackActive(std::string_view a_current)
	{
		if (a_current == "Default" || a_current == "Settings") {
			return true;
		}
		const auto first = NameText(Profiles.front().sProfileName);
		return !first.empty() && a_current == first;
	}
}

void Update3DVFuncStruct::UpdateCurrentProfile()
{
	auto* vehicle = GetHandledVehicle();
	if (!vehicle) {
		return;
	}
	const std::string VehicleName = GetReferenceName(vehicle);

	// While the INI files yield no profile, the INI thread is asked for a
	// reload, again only once the interval has passed; the passes between
	// stay silent. The profiles it brings are here on a later pass.
	if (Profiles.empty()) {
		const auto now = GetSteadyClockNanoseconds();
		if (!IsForcedProfileReloadDue(ForcedProfileReload, now)) {
			return;
		}
		LOG_ERROR("Profiles.size == 0; force reloading all profiles and settings");
		ForcedProfileReload = { true, now };
		RequestReload(kReloadForNoProfile);
		return;
	}

	const auto vehicleName = NameText(VehicleName);
	const auto currentName = NameText(CurrentProfile.sProfileName);
	if (vehicleName == currentName) {
		LOG_INFO("not necessary to update | VehicleName == CurrentProfile.sProfileName [", vehicleName, "]");
		return;
	}

	auto iProfileIndex = FindProfileIndex(vehicleName);
	if (iProfileIndex < 0) {
		if (IsFallbackActive(currentName)) {
			LOG_INFO("cannot update, VehicleName [", vehicleName, "] cannot be found in Profiles; Default remains active");
			return;
		}
		iProfileIndex = 0;
	}

	LOG_INFO("updating profile | SavedProfile [", currentName, "] | VehicleName [", vehicleName,
		"] | NewProfileName [", NameText(Profiles[static_cast<std::size_t>(iProfileIndex)].sProfileName), "]");
	SaveCurrentProfile(iProfileIndex);
	ForgetActiveView();
	ApplyProfile(CurrentProfile);
}
