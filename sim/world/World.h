#pragma once
// The simulated game's whole state. One World per process: the game's data
// items and globals live inside it, at the addresses the address library
// gives for their IDs, and every game function answers from it and records
// its calls here. A test describes the world it needs after reset().
//
// The game's object layouts are typed here from the documented byte offsets
// and asserted; nothing here includes the plugin's own views of game types.
#include "sim/world/Calls.h"
#include "sim/world/Camera.h"
#include "sim/world/Dialogue.h"
#include "sim/world/Events.h"
#include "sim/world/Forms.h"
#include "sim/world/Input.h"
#include "sim/world/Menus.h"
#include "sim/world/References.h"
#include "sim/world/Scene.h"
#include "sim/world/Settings.h"
#include "sim/world/Strings.h"
#include "sim/world/Time.h"

namespace sim
{
	struct World
	{
		World();
		World(const World&) = delete;
		World& operator=(const World&) = delete;

		Settings settings;
		Forms forms;
		References references;
		Dialogue dialogue;
		Menus menus;
		Camera camera;
		Time time;
		Strings strings;
		Scene scene;
		Events events;
		Input input;
		CallLog calls;

		// The game as it starts: the player in an exterior, on foot, with
		// a camera in no vehicle view; no menu open, nothing registered,
		// no call recorded. Every global points at its object.
		void reset();
	};

	World& world();
}
