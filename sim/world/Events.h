#pragma once
// Event sources and the events the game sends through them.
#include <cstddef>
#include <cstdint>

#include "sim/world/Strings.h"

namespace sim
{
	namespace game
	{
		// The sinks registered with one source, in order.
		struct BSTEventSource
		{
			static constexpr std::size_t kCapacity = 16;
			void* sinks[kCapacity];
			std::uint32_t count;
		};

		struct MenuOpenCloseEvent
		{
			GameString menuName;   // 0x0
			std::uint8_t opening;  // 0x8: 0 when the menu closes
		};
		static_assert(offsetof(MenuOpenCloseEvent, opening) == 0x8);

		struct SaveLoadEvent
		{
			std::uint8_t loading;
		};

		// A sink's ProcessEvent is slot 1 of its table (slot 0: destructor).
		inline constexpr std::size_t kProcessEventSlot = 1;
	}

	struct Events
	{
		game::BSTEventSource saveLoad{};
		// What the game hands out as the save/load source: null before the
		// game has made it.
		game::BSTEventSource* saveLoadSource{ nullptr };
	};
}
