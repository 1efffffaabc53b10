#pragma once
// Work on the runtime's state (what RuntimeMutex guards) from a thread that
// must not wait for it: an event sink, the installation, the plugin's own
// threads. The work is queued, then run at once when nobody holds the lock;
// otherwise the holder, often a frame, runs it before letting go. Queued
// work runs in the order it was queued, each piece exactly once; it is
// freed later by a thread that queues work, never on a frame.
#include <atomic>
#include <memory>
#include <utility>

class RuntimeWork
{
public:
	virtual ~RuntimeWork() = default;
	virtual void Run() = 0;

	RuntimeWork* next{ nullptr };  // the queue's own link
};

namespace RuntimeWorkDetail
{
	template <class Work>
	class WorkOf final : public RuntimeWork
	{
	public:
		explicit WorkOf(Work&& a_work) :
			_work(std::move(a_work))
		{}
		void Run() override { _work(); }

	private:
		Work _work;
	};

	extern std::atomic<RuntimeWork*> Queued;
}

void QueueRuntimeWork(std::unique_ptr<RuntimeWork> a_work);

// Queues without trying the lock: the work runs on the next game thread that
// takes it (a frame, a sink), never on the caller's. For the plugin's own
// threads, which must not call the game.
void PostRuntimeWork(std::unique_ptr<RuntimeWork> a_work);

// a_work, a callable, as a piece of runtime work.
template <class Work>
std::unique_ptr<RuntimeWork> MakeRuntimeWork(Work a_work)
{
	return std::make_unique<RuntimeWorkDetail::WorkOf<Work>>(std::move(a_work));
}

template <class Work>
void RunOnRuntime(Work a_work)
{
	QueueRuntimeWork(MakeRuntimeWork(std::move(a_work)));
}

inline bool HasQueuedRuntimeWork() noexcept
{
	return RuntimeWorkDetail::Queued.load(std::memory_order_relaxed) != nullptr;
}

// Runs everything queued so far, oldest first. The caller holds RuntimeMutex.
void RunQueuedRuntimeWork() noexcept;
