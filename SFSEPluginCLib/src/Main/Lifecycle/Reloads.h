#pragma once
// Reloads of both INI files, read aside while the game goes on with the
// settings in force, then put in force in one step by the holder of
// RuntimeMutex. Reads happen one at a time (ReloadMutex: the installation's
// and the INI thread's; no game thread waits for it) and are numbered in
// the order their files were read: one that comes to be put in force after
// a newer one has been is dropped, so that older files never win.
#include <cstdint>

#include "Lifecycle/IniFileStamps.h"
#include "Settings/LoadedSettings.h"

struct SettingsReload
{
	LoadedSettings settings;
	IniFileStamps stamps;  // the files as they were before they were read
	std::uint64_t iTicket{ 0 };
};

enum class ReloadKind
{
	kInstallation,  // writes the default vanilla INI when there is none, backs it up
	kRefresh,
};

// Waits for any other read, then reads. Never on a game thread but the
// host's, at installation.
SettingsReload ReadProfilesAndSettings(ReloadKind a_kind);

// Puts a_reload in force unless a newer reload is already; a_reload keeps
// what it replaced. The caller holds RuntimeMutex.
bool InstallIfNewer(SettingsReload& a_reload);
