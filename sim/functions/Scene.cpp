#include "sim/code/Code.h"
#include "sim/functions/VTables.h"
#include "sim/world/World.h"

extern "C"
{
	// Slot 61 of the fade node's table: the game's own visibility update
	// keeps the state it is given.
	std::uint8_t sim_FadeNodeUpdateVisibility(sim::game::NiNode* a_node, std::uint8_t a_state)
	{
		sim::world().calls.record("UpdateVisibility", a_node, a_state);
		return a_state;
	}

	// Every slot the simulation gives no behaviour.
	void sim_VirtualStandIn() {}
}

namespace sim
{
	game::VTable fade_node_vtable() noexcept
	{
		return sim_BSFadeNodeVTable;
	}
}
