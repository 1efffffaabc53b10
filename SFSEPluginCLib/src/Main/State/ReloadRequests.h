#pragma once
// Reloads of the INI files are asked for here and done by the plugin's INI
// thread (Lifecycle/IniFileThread.h), the one thread that reads the files:
// a game thread only sets a bit and wakes it, which never waits, reads
// nothing and allocates nothing. Requests that arrive while the thread reads
// merge into its next read.
#include <cstdint>

enum ReloadRequest : std::uint32_t
{
	kReloadForSaveLoad = 1u << 0,    // a save or a load: reapply the current profile
	kReloadForCredits = 1u << 1,     // the end credits closed: capture the game data anew
	kReloadForFileChange = 1u << 2,  // an INI file changed: reapply the current profile
	kReloadForNoProfile = 1u << 3,   // a frame found no profile loaded
};

void RequestReload(ReloadRequest a_request) noexcept;

// Every request so far, taken: the bits, none when there are none.
std::uint32_t TakeReloadRequests() noexcept;

// The thread that reads: woken by every request from now on (a null handle:
// none any more). Requests made before stay until it takes them.
void SetReloadRequestSignal(void* a_event) noexcept;

// How many requests were made, and how many of them the INI thread has
// finished with (read and put in force, or given up on), so that a waiter
// can tell when the reloads it asked for are done. The thread reads the
// count before it takes the requests, and notes it when it is done with
// them.
std::uint64_t GetReloadRequestCount() noexcept;
std::uint64_t GetFinishedReloadRequestCount() noexcept;
void NoteReloadRequestsFinished(std::uint64_t a_count) noexcept;
