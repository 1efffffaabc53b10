#include <mutex>

#include "sim/functions/Areas.h"
#include "sim/functions/Rows.h"
#include "sim/world/World.h"

namespace sim
{
	namespace
	{
		bool IsMenuOpen(game::UI* a_ui, const game::GameString* a_menuName)
		{
			auto& world = sim::world();
			const auto name = a_menuName ? text_of(*a_menuName) : std::string_view{};
			world.calls.record("IsMenuOpen", a_ui, a_menuName);
			{
				// The game asks from its threads and the event thread at once.
				static std::mutex askedMutex;
				const std::lock_guard lock(askedMutex);
				world.menus.asked.emplace_back(name);
			}
			const bool bOpen = a_ui == &world.menus.ui && world.menus.open.contains(std::string(name));
			if (world.menus.whileAnswering) {
				world.menus.whileAnswering(name);
			}
			return bOpen;
		}

		bool IsGameMenuPaused()
		{
			auto& world = sim::world();
			world.calls.record("IsGameMenuPaused");
			return world.menus.bGameMenuPaused;
		}
	}

	std::span<const GameItem> menus_rows()
	{
		using namespace RE::IDs;
		static const std::array rows{
			function_row(UI::IsMenuOpen, &IsMenuOpen),
			function_row(RE::IDs::IsGameMenuPaused, &IsGameMenuPaused),
			data_row(UI::Singleton, world().menus.uiGlobal),
		};
		return rows;
	}
}
