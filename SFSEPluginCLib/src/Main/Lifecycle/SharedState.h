#pragma once
// The plugin's state is shared by the per-frame hook, which runs on the
// game's threads, and the event handlers, which run on the thread that
// delivers events. Profiles, CurrentProfile and every run of the vehicle
// runtime or of a reload are guarded by one lock; the hook takes it only
// for the player's own node, so other nodes pass without it. The captured
// pointers and the string value slots are also read on that lock-free path:
// they are loaded and stored whole with LoadShared and StoreShared.
#include <atomic>
#include <mutex>
#include <type_traits>

extern std::mutex SharedStateMutex;

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
