#pragma once
// The plugin's INI thread: the one thread that reads Tarmacor.ini and
// TarmacorCustom.ini once the game runs. It reloads when asked
// (State/ReloadRequests.h: a save or a load, the end credits, a frame that
// finds no profile) and, with bReloadOnFileChange on, when the system
// reports that one of the files changed, so that edits take effect while
// driving. A reload puts nothing in force from files it could not see
// whole: a file an editor holds is read once it is free, a file that has
// gone counts as deleted only after it stayed away for a while, and a file
// that changed while it was read is read again. What it read is put in
// force, and the current profile reapplied, by runtime work that a game
// thread runs (this thread never calls the game); the profile dump is
// written here.
#include <cstdint>

#include "Lifecycle/IniFileStamps.h"

struct IniFileThreadOptions
{
	// Whether changes in the plugin folder start reloads (tests that say
	// when the plugin reads turn it off).
	bool bWatchFolder{ true };
	// An editor's save is several writes: the files must keep still this long
	// before they are read.
	unsigned long iStillForMs{ 300 };
	// A file held open by another program is tried again until this long.
	unsigned long iHeldForAtMostMs{ 10'000 };
	// A file that was there at the last reload and has gone counts as
	// deleted once it stayed away this long (a safe save brings it back).
	unsigned long iAbsentForMs{ 2'000 };
	// How often the folder is looked at without a notification: renamed
	// away, deleted, made anew.
	unsigned long iFolderCheckMs{ 1'000 };
};

// Starts the thread, once per process. a_inForce: the files as the reload in
// force read them. False, with one error line, when it can't start; the
// settings then change only at the next installation.
bool StartIniFileThread(const IniFileStamps& a_inForce, const IniFileThreadOptions& a_options = {});

// Ends the thread and waits for it (tests: the plugin keeps it for the life
// of the process).
void StopIniFileThread();

// How many times the thread has looked at the files after the system
// reported a change in the folder, counted once it is done with what it
// found: a sign that a change was seen, for tests and diagnostics.
std::uint64_t GetIniFolderLookCount() noexcept;
