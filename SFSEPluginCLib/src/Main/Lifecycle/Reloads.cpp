#include "Lifecycle/Reloads.h"

#include <mutex>
#include <string>

#include "Settings/DefaultIni.h"
#include "Settings/IniFile.h"
#include "Settings/ProfileLoading.h"

namespace
{
	std::mutex ReloadMutex;
	std::uint64_t LastTicket = 0;       // under ReloadMutex
	std::uint64_t InstalledTicket = 0;  // under RuntimeMutex
}

SettingsReload ReadProfilesAndSettings(ReloadKind a_kind)
{
	const std::lock_guard reading(ReloadMutex);
	const bool bInstallation = a_kind == ReloadKind::kInstallation;
	if (bInstallation && !DoesIniExist(std::string(VanillaIniName), "")) {
		CreateDefaultIni();
	}
	SettingsReload reload;
	// Before reading: a change made while the files are read is a change
	// still to come.
	reload.stamps = GetIniFileStamps();
	ReloadAllProfilesAndSettings(bInstallation, &reload.settings);
	reload.iTicket = ++LastTicket;
	return reload;
}

bool InstallIfNewer(SettingsReload& a_reload)
{
	if (a_reload.iTicket <= InstalledTicket) {
		return false;
	}
	InstallLoadedSettings(a_reload.settings);
	InstalledTicket = a_reload.iTicket;
	return true;
}
