#pragma once
// The simulated game's functions, globals, data items and code sites that the
// plugin reaches by address-library ID. They live in the simulated game's
// own module (SimStarfield.exe, or a test executable standing in for it), so
// each has an offset from the game's base that the address library records.
//
// Each area lists its own rows (sim/functions/<Area>.cpp, sim/events,
// sim/code); the index is their concatenation. An item no behaviour needs
// yet is a placeholder_row (a function that returns its own ID).
#include <cstdint>
#include <span>

#include "REL/ID.h"

namespace sim
{
	struct GameItem
	{
		REL::ID id;
		std::uintptr_t address;
	};

	// Every area's rows, one for every entry of RE::IDs::all.
	std::span<const GameItem> game_items();

	// The address of the item with a_id; 0 when the game has none.
	std::uintptr_t game_address(REL::ID a_id) noexcept;

	// The running game's base: the executable's module.
	std::uintptr_t game_base() noexcept;
}
