#pragma once
// The simulated game's functions, globals, data items and code sites that the
// plugin reaches by address-library ID. They live in the simulated game's
// own module (SimStarfield.exe, or a test executable standing in for it), so
// each has an offset from the game's base that the address library records.
//
// Stand-ins that no behaviour needs yet are placeholders of the right kind:
// functions that return their own ID, null globals, distinct data values, and
// code blocks of int3 with the instructions the plugin patches at the
// displacements it uses. Give an item real behaviour by pointing its row in
// GameIndex.cpp at the new stand-in.
#include <cstdint>
#include <span>

#include "RE/IDs.h"

namespace sim
{
	struct GameItem
	{
		REL::ID id;
		std::uintptr_t address;
	};

	// One row for every entry of RE::IDs::all.
	std::span<const GameItem> game_items();

	// The address of the item with a_id; 0 when the game has none.
	std::uintptr_t game_address(REL::ID a_id) noexcept;

	// The running game's base: the executable's module.
	std::uintptr_t game_base() noexcept;

	// Game data the simulation steers directly.
	namespace game
	{
		extern float CurrentTimeMultiplier;
		extern float GlobalTimeMultiplier;
		extern std::uint64_t StringValueSlots[9];

		extern void* DataHandler;
		extern void* PlayerActor;
		extern void* UI;
		extern void* PlayerCamera;
		extern void* SettingCollection;
		extern void* ReferenceHandleList;
	}
}
