#pragma once
// Game verbs: what the game does that reaches the plugin, run on the world
// as it stands. Each goes through the game's own code paths (virtual-table
// slots, the code sites, event sinks' tables), so whatever the plugin has
// installed there runs as it would in the game.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sim/world/World.h"

namespace sim
{
	// One frame: every fade node, the player's root first, is asked through
	// slot 61 of its virtual table with the state it holds; each keeps the
	// answer in lastResult. Returns the player's root's answer.
	std::uint8_t run_frame();

	// The game picks an idle line for a_speaker: the dialogue function runs
	// through its first call site (first == true) or its second.
	struct IdleLine
	{
		game::TESObjectREFR* akSpeaker{ nullptr };
		game::TESObjectREFR* akTarget{ nullptr };
	};
	game::TESTopicInfo* pick_first_idle_line(const IdleLine& a_line);
	std::uint64_t pick_second_idle_line(const IdleLine& a_line);

	// The game saved or loaded: a save/load event to every registered sink.
	std::size_t save_game();
	std::size_t load_game();

	// A menu opens or closes: the UI's state changes, then its menu event
	// source tells its sinks. Returns how many sinks got the event.
	std::size_t open_menu(std::string_view a_name);
	std::size_t close_menu(std::string_view a_name);
}
