#pragma once
// ID rows of the game's functions by area, concatenated into the game index.
#include <vector>

#include "sim/GameIndex.h"

namespace sim
{
	// Forms, names, extra data, game strings, the run-time cast.
	std::vector<GameItem> forms_items();
	// The reference handle list's lookups and releases, the dialogue
	// questions and the dialogue function with its two idle-line calls.
	std::vector<GameItem> dialogue_items();
}
