#pragma once
// Waiting for what another thread does: a positive sign, polled, with a
// bound. For tests that link the plugin.
#include <functional>

#include <windows.h>

#include "State/ReloadRequests.h"
#include "State/RuntimeWork.h"
#include "State/SharedState.h"

namespace test
{
	// Until a_done says yes (true), asked every millisecond, or until the
	// bound (false).
	inline bool WaitUntil(const std::function<bool()>& a_done, ULONGLONG a_boundMs = 10'000)
	{
		const auto start = ::GetTickCount64();
		for (;;) {
			if (a_done()) {
				return true;
			}
			if (::GetTickCount64() - start > a_boundMs) {
				return false;
			}
			::Sleep(1);
		}
	}

	// Until the INI thread has done every reload asked for so far and its
	// work is put in force; this thread takes the runtime's lock as a game
	// thread does. False after 10 s.
	inline bool WaitForReloads()
	{
		const auto asked = GetReloadRequestCount();
		return WaitUntil([asked] {
			{
				const RuntimeLock asAGameThread;
			}
			return GetFinishedReloadRequestCount() >= asked && !HasQueuedRuntimeWork();
		});
	}
}
