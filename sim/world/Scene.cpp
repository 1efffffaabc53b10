#include "sim/world/Scene.h"

#include "sim/functions/VTables.h"

namespace sim
{
	game::NiNode& Scene::add_fade_node(std::uint8_t a_visibilityState)
	{
		auto& node = fadeNodes.emplace_back();
		node.vtable = fade_node_vtable();
		node.visibilityState = a_visibilityState;
		return node;
	}
}
