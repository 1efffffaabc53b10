#pragma once
// The game functions by area, each area's rows for the game index, and the
// raw virtual tables of the game objects the areas make.
#include <span>

#include "sim/GameIndex.h"
#include "sim/world/Forms.h"
#include "sim/world/References.h"

namespace sim
{
	std::span<const GameItem> settings_rows();
	std::span<const GameItem> forms_rows();
	std::span<const GameItem> references_rows();
	std::span<const GameItem> dialogue_rows();
	std::span<const GameItem> menus_rows();
	std::span<const GameItem> camera_rows();
	std::span<const GameItem> time_rows();
	std::span<const GameItem> strings_rows();

	// Notes "freed reference used" when a_ref is one the game has freed.
	void note_freed_use(const game::TESObjectREFR* a_ref);
}
