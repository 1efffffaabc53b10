#include "State/RuntimeWork.h"

#include "State/SharedState.h"

namespace RuntimeWorkDetail
{
	std::atomic<RuntimeWork*> Queued{ nullptr };
}

namespace
{
	// Done, waiting to be freed by a thread that may free memory.
	std::atomic<RuntimeWork*> Finished{ nullptr };

	// Both lists are only ever pushed onto and taken whole: no node is ever
	// taken from under another thread's hands.
	void Push(std::atomic<RuntimeWork*>& a_list, RuntimeWork* a_work) noexcept
	{
		a_work->next = a_list.load(std::memory_order_relaxed);
		while (!a_list.compare_exchange_weak(a_work->next, a_work, std::memory_order_release, std::memory_order_relaxed)) {
		}
	}

	RuntimeWork* TakeAll(std::atomic<RuntimeWork*>& a_list) noexcept
	{
		return a_list.exchange(nullptr, std::memory_order_acquire);
	}

	void FreeFinishedRuntimeWork() noexcept
	{
		for (auto* work = TakeAll(Finished); work;) {
			auto* next = work->next;
			delete work;
			work = next;
		}
	}
}

void QueueRuntimeWork(std::unique_ptr<RuntimeWork> a_work)
{
	Push(RuntimeWorkDetail::Queued, a_work.release());
	// Against the holder's "unlock, then look at the queue": either it sees
	// this work, or this try sees the lock free (SharedState.cpp).
	std::atomic_thread_fence(std::memory_order_seq_cst);
	{
		const RuntimeLock tried;
	}
	FreeFinishedRuntimeWork();
}

void PostRuntimeWork(std::unique_ptr<RuntimeWork> a_work)
{
	Push(RuntimeWorkDetail::Queued, a_work.release());
	FreeFinishedRuntimeWork();
}

void RunQueuedRuntimeWork() noexcept
{
	// Taken newest first: turned round, so that work runs as it was queued.
	RuntimeWork* oldest = nullptr;
	for (auto* work = TakeAll(RuntimeWorkDetail::Queued); work;) {
		auto* next = work->next;
		work->next = oldest;
		oldest = work;
		work = next;
	}
	while (oldest) {
		auto* next = oldest->next;
		try {
			oldest->Run();
		} catch (...) {
			// The work reports its own failures; a frame must go on.
		}
		Push(Finished, oldest);
		oldest = next;
	}
}
