#include "sim/world/World.h"

#include <memory>

#include "sim/GameIndex.h"

namespace sim
{
	namespace
	{
		std::unique_ptr<World>& slot()
		{
			static std::unique_ptr<World> current;
			return current;
		}
	}

	World& world()
	{
		auto& current = slot();
		return current ? *current : reset_world();
	}

	World& reset_world()
	{
		auto& current = slot();
		current = std::make_unique<World>();
		game::DataHandler = &current->files.handler;
		game::UI = &current->dialogue.ui;
		game::ReferenceHandleList = &current->dialogue.handleList;
		return *current;
	}

	void World::remove_data_handler() { game::DataHandler = nullptr; }
	void World::remove_ui() { game::UI = nullptr; }
	void World::remove_handle_list() { game::ReferenceHandleList = nullptr; }
}
