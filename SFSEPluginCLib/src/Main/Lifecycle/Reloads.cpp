#include "State/Reloads.h"

#include <mutex>
#include <string>

#include "Settings/DefaultIni.h"
#include "Settings/IniFile.h"
#include "Settings/ProfileLoading.h"
#include "State/SharedState.h"

namespace
{
	std::uint64_t LastTicket = 0;       // under ReloadMutex
	IniFileStamps LastReadStamps;       // under ReloadMutex
	std::uint64_t InstalledTicket = 0;  // under RuntimeMutex
}

SettingsReload ReadProfilesAndSettings(ReloadKind a_kind)
{
	const std::lock_guard reloading(ReloadMutex);
	return ReadProfilesAndSettingsLocked(a_kind);
}

SettingsReload ReadProfilesAndSettingsLocked(ReloadKind a_kind)
{
	const bool bInstallation = a_kind == ReloadKind::kInstallation;
	if (bInstallation && !DoesIniExist(std::string(VanillaIniName), "")) {
		CreateDefaultIni();
	}
	// Before reading: a change made while the files are read is a change
	// still to come.
	LastReadStamps = GetIniFileStamps();
	SettingsReload reload;
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

IniFileStamps GetIniFileStampsOfLastReload()
{
	const std::lock_guard reloading(ReloadMutex);
	return LastReadStamps;
}
