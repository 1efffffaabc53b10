#pragma once
// A test in the running game: a game folder with the address library, a
// fresh log, a fresh world and the plugin's logging on.
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "TestLog.h"
#include "sim/GameFolder.h"
#include "sim/world/World.h"

namespace RE
{
	class TESForm;
	class TESObjectREFR;
	class Actor;
}

namespace test
{
	class GameTest : public testing::Test
	{
	protected:
		GameTest();
		~GameTest() override;

		// "<level>: <message>" of every log line so far.
		std::vector<std::string> Entries() const { return log.entries(); }

		// "an actor named Mira": the name on her base object.
		sim::game::Actor& AddActor(std::string_view a_name, std::uint32_t a_formID);

		// The game's view of a simulated form.
		static RE::TESForm* AsForm(sim::game::TESForm& a_form);
		static RE::TESForm* AsForm(sim::game::TESObjectREFR& a_ref);
		static RE::TESForm* AsForm(sim::game::Actor& a_actor);
		static RE::TESObjectREFR* AsRef(sim::game::TESObjectREFR& a_ref);
		static RE::TESObjectREFR* AsRef(sim::game::Actor& a_actor);
		static RE::Actor* AsActor(sim::game::Actor& a_actor);

		sim::GameFolder game;
		TestLog log;
		sim::World& world;
	};
}
