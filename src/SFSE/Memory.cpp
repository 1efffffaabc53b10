#include "SFSE/Memory.h"

#include <atomic>

namespace SFSE::memory
{
	namespace
	{
		std::atomic<Memory*>& override_slot() noexcept
		{
			static std::atomic<Memory*> slot{ nullptr };
			return slot;
		}
	}

	Memory& current() noexcept
	{
		if (auto* replaced = override_slot().load(std::memory_order_acquire)) {
			return *replaced;
		}
		return system();
	}

	ScopedOverride::ScopedOverride(Memory& a_memory) noexcept :
		_previous(override_slot().exchange(&a_memory, std::memory_order_acq_rel))
	{}

	ScopedOverride::~ScopedOverride()
	{
		override_slot().store(_previous, std::memory_order_release);
	}
}
