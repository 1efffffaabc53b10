#include "State/SharedState.h"

#include "State/RuntimeWork.h"

std::mutex RuntimeMutex;

RuntimeLock::RuntimeLock() noexcept :
	_bOwned(RuntimeMutex.try_lock())
{
	if (_bOwned) {
		RunQueuedRuntimeWork();
	}
}

RuntimeLock::~RuntimeLock()
{
	if (!_bOwned) {
		return;
	}
	for (;;) {
		RuntimeMutex.unlock();
		// Against a queuer's "push, then try": one of the two sees the
		// other's write (RuntimeWork.cpp).
		std::atomic_thread_fence(std::memory_order_seq_cst);
		if (!HasQueuedRuntimeWork() || !RuntimeMutex.try_lock()) {
			return;
		}
		RunQueuedRuntimeWork();
	}
}
