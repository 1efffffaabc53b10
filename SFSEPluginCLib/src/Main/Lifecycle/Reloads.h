#pragma once
// Reloads of both INI files, read aside while the game goes on with the
// settings in force, then put in force in one step by the holder of
// RuntimeMutex. Reloads are numbered in the order their files were read:
// one that comes to be installed after a newer one has been is dropped, so
// that racing reloads never leave older files in force.
#include <cstdint>

#include "Settings/LoadedSettings.h"
#include "State/IniFileStamps.h"

struct SettingsReload
{
	LoadedSettings settings;
	std::uint64_t iTicket{ 0 };
};

enum class ReloadKind
{
	kInstallation,  // writes the default vanilla INI when there is none, backs it up
	kRefresh,
};

// Waits for any other reload, then reads. The caller holds no lock of ours.
SettingsReload ReadProfilesAndSettings(ReloadKind a_kind);

// Reads; the caller holds ReloadMutex (a frame, which only tries it).
SettingsReload ReadProfilesAndSettingsLocked(ReloadKind a_kind);

// Puts a_reload in force unless a newer reload is already; a_reload keeps
// what it replaced. The caller holds RuntimeMutex.
bool InstallIfNewer(SettingsReload& a_reload);

// The INI files as the last reload found them before it read them.
IniFileStamps GetIniFileStampsOfLastReload();
