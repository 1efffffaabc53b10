#pragma once
// The simulated game's state, one area per subject. Tests describe the world
// they need in a few lines on a fresh one, then run the game's verbs.
#include "sim/world/DataFiles.h"
#include "sim/world/Dialogue.h"
#include "sim/world/Forms.h"

namespace sim
{
	struct World
	{
		FormsArea forms;
		DataFilesArea files;
		DialogueArea dialogue;

		// The game has no data handler, UI or handle list (yet).
		void remove_data_handler();
		void remove_ui();
		void remove_handle_list();
	};

	// The world the game's functions answer from.
	World& world();
	// A fresh world: no files, no forms, nothing asked yet; the game's
	// globals point at it.
	World& reset_world();
}
