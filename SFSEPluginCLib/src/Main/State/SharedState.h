#pragma once
// The plugin's state is shared by the game's threads: the per-frame hook
// (possibly on several threads at once), the event sinks, the dialogue call
// sites, and the plugin's own threads. The game must never wait for the
// plugin, and the plugin must never deadlock with the game's own locks,
// which it cannot see. One lock of ours guards the runtime's state:
//
// RuntimeMutex: Profiles, CurrentProfile, the global settings, the captured
// game data, the rear view and the clocks. Never waited for, by any thread:
// a frame that can't have it falls back to its previous decision, any other
// thread queues its work for the holder to run (RuntimeWork.h). Its holder
// may call into the game, since no thread can be waiting for it while
// holding a lock the game's function wants.
//
// The INI files are read by the plugin's INI thread alone (and once by the
// installation): a game thread asks for a reload (ReloadRequests.h) and goes
// on. The readers take ReloadMutex (Lifecycle/Reloads.cpp), which no game
// thread waits for and whose holder neither calls the game nor takes
// RuntimeMutex.
//
// A frame's path for nodes that aren't the player's takes no lock at all:
// the captured pointers, the string value slots and iTestStringValues are
// loaded and stored whole (LoadShared, StoreShared), each a fact of its own.
#include <atomic>
#include <mutex>
#include <type_traits>

extern std::mutex RuntimeMutex;

template <class T>
T LoadShared(T& a_value) noexcept
{
	return std::atomic_ref<T>(a_value).load(std::memory_order_relaxed);
}

template <class T>
void StoreShared(T& a_value, std::type_identity_t<T> a_new) noexcept
{
	std::atomic_ref<T>(a_value).store(a_new, std::memory_order_relaxed);
}

// RuntimeMutex, tried once. Whoever gets it first runs the work queued for
// its holder, and again after letting it go (work queued meanwhile would
// otherwise wait for the next holder).
class RuntimeLock
{
public:
	RuntimeLock() noexcept;
	~RuntimeLock();
	RuntimeLock(const RuntimeLock&) = delete;
	RuntimeLock& operator=(const RuntimeLock&) = delete;

	explicit operator bool() const noexcept { return _bOwned; }

private:
	bool _bOwned;
};
