#include "State/ReloadRequests.h"

#include <atomic>

#include <windows.h>

namespace
{
	std::atomic<std::uint32_t> PendingReloadRequests{ 0 };
	std::atomic<HANDLE> ReloadRequestSignal{ nullptr };
	std::atomic<std::uint64_t> ReloadRequestsMade{ 0 };
	std::atomic<std::uint64_t> ReloadRequestsFinished{ 0 };
}

// The bit before the count, the count before the wake: a count the thread
// reads belongs to bits it takes after, and a request it counted too late
// for its last look wakes it once more.
void RequestReload(ReloadRequest a_request) noexcept
{
	PendingReloadRequests.fetch_or(a_request);
	ReloadRequestsMade.fetch_add(1);
	if (const HANDLE signal = ReloadRequestSignal.load(std::memory_order_acquire)) {
		::SetEvent(signal);
	}
}

std::uint32_t TakeReloadRequests() noexcept
{
	return PendingReloadRequests.exchange(0);
}

void SetReloadRequestSignal(void* a_event) noexcept
{
	ReloadRequestSignal.store(static_cast<HANDLE>(a_event), std::memory_order_release);
}

std::uint64_t GetReloadRequestCount() noexcept
{
	return ReloadRequestsMade.load();
}

std::uint64_t GetFinishedReloadRequestCount() noexcept
{
	return ReloadRequestsFinished.load(std::memory_order_acquire);
}

void NoteReloadRequestsFinished(std::uint64_t a_count) noexcept
{
	ReloadRequestsFinished.store(a_count, std::memory_order_release);
}
