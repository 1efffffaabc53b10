#pragma once
// The scene graph: fade nodes the game asks, every frame, which visibility
// state they want (slot 61 of their virtual table).
#include <cstddef>
#include <cstdint>
#include <deque>

#include "sim/world/Forms.h"

namespace sim
{
	namespace game
	{
		struct NiNode
		{
			VTable vtable;
			// The simulation's own: the state the game passes, and the one
			// the node's function last gave back.
			std::uint8_t visibilityState;
			std::uint8_t lastResult;
		};
		inline constexpr std::size_t kUpdateVisibilitySlot = 61;
		static_assert(kUpdateVisibilitySlot * 8 == 0x1E8);
	}

	struct Scene
	{
		// The player's root node, and every other fade node of the frame.
		game::NiNode playerRoot{};
		std::deque<game::NiNode> fadeNodes;

		game::NiNode& add_fade_node(std::uint8_t a_visibilityState);
	};
}
