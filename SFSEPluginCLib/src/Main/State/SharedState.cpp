#include "State/SharedState.h"

#include "State/RuntimeWork.h"

std::mutex ReloadMutex;
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
		if (!HasQueuedRuntimeWork() || !RuntimeMutex.try_lock()) {
			return;
		}
		RunQueuedRuntimeWork();
	}
}
