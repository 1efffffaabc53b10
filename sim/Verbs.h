#pragma once
// Game verbs: what the game does that reaches the plugin, run on the world
// as it stands. Each goes through the game's own code paths (virtual-table
// slots, the code sites, event sinks' tables), so whatever the plugin has
// installed there runs as it would in the game.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sim/code/Code.h"
#include "sim/world/World.h"

namespace sim
{
	// One frame: every fade node, the player's root first, is asked through
	// slot 61 of its virtual table with the state it holds; each keeps the
	// answer in lastResult. Returns the player's root's answer.
	std::uint8_t run_frame();

	// The game asks one fade node, as run_frame() asks each.
	std::uint8_t evaluate_fade_node(game::NiNode& a_node);

	// The game picks an idle line for a_speaker: the dialogue function runs
	// through its first call site (first == true) or its second.
	struct IdleLine
	{
		game::TESObjectREFR* akSpeaker{ nullptr };
		game::TESObjectREFR* akTarget{ nullptr };
	};
	game::TESTopicInfo* pick_first_idle_line(const IdleLine& a_line);
	std::uint64_t pick_second_idle_line(const IdleLine& a_line);

	// The same with every argument chosen, and what the run kept: the
	// first call takes a1, a2, a3, speaker, target, a6 to a9; the second
	// a1, speaker, a2 and a3 (as its a3 and a4), a5, target, the byte c7,
	// a8, a9. Narrow arguments arrive with upperBytes above their own.
	struct IdleLineArgs
	{
		std::uint64_t a1{ 0x1111222233334444 };
		std::int32_t a2{ -2 };
		std::int32_t a3{ 3 };
		game::TESObjectREFR* akSpeaker{ nullptr };
		game::TESObjectREFR* akTarget{ nullptr };
		std::uint64_t a5{ 0x5555 };
		std::uint64_t a6{ 0x6666 };
		std::uint64_t a7{ 0x7777 };
		char c7{ 'x' };
		std::uint64_t a8{ 0x8888 };  // the second call: the topic info pointer
		std::uint64_t a9{ 0x9999 };
		std::uint64_t upperBytes{ 0xDEADBEEFFEEDFACE };
	};
	code::DialogueRun say_first_idle_line(const IdleLineArgs& a_args);
	code::DialogueRun say_second_idle_line(const IdleLineArgs& a_args);

	// The game saved or loaded: a save/load event to every registered sink.
	std::size_t save_game();
	std::size_t load_game();

	// A menu opens or closes: the UI's state changes, then its menu event
	// source tells its sinks. Returns how many sinks got the event.
	std::size_t open_menu(std::string_view a_name);
	std::size_t close_menu(std::string_view a_name);
}
