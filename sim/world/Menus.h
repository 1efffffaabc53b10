#pragma once
// The user interface: open menus and the pause the game menu makes.
#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "sim/world/Events.h"

namespace sim
{
	namespace game
	{
		struct UI
		{
			const void* vtable;
			std::byte pad08[0x8];
			BSTEventSource menuOpenCloseSource;  // 0x10
		};
		static_assert(offsetof(UI, menuOpenCloseSource) == 0x10);
	}

	struct Menus
	{
		game::UI ui{};
		game::UI* uiGlobal{ nullptr };  // RE::UI
		std::set<std::string> open;
		std::vector<std::string> asked;  // menu names IsMenuOpen was asked about, in order
		bool bGameMenuPaused{ false };
		// Runs after IsMenuOpen has its answer and before it gives it: what
		// happens in the game while it answers (a menu closing).
		std::function<void(std::string_view a_menu)> whileAnswering;
	};
}
