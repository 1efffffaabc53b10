#pragma once
// The game's lock around a reference's data.
#include "RE/IDs.h"
#include "REL/ID.h"

namespace RE
{
	class ReferenceLock
	{
	public:
		using Function_t = void (*)(void*);

		static void Lock(void* a_lock)
		{
			static const REL::Relocation<Function_t> func{ IDs::ReferenceLock::Lock };
			func(a_lock);
		}

		static void Unlock(void* a_lock)
		{
			static const REL::Relocation<Function_t> func{ IDs::ReferenceLock::Unlock };
			func(a_lock);
		}
	};

	// Holds a game lock for its own lifetime.
	class ReferenceLockGuard
	{
	public:
		explicit ReferenceLockGuard(void* a_lock) :
			_lock(a_lock)
		{
			ReferenceLock::Lock(_lock);
		}
		~ReferenceLockGuard() { ReferenceLock::Unlock(_lock); }
		ReferenceLockGuard(const ReferenceLockGuard&) = delete;
		ReferenceLockGuard& operator=(const ReferenceLockGuard&) = delete;

	private:
		void* _lock;
	};
}
