#pragma once
// A test in the running game: a game folder with the address library, a
// fresh log, a fresh world and the plugin's logging on.
#include <string>
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

		// The game's view of a simulated form.
		static RE::TESForm* AsForm(sim::Form& a_form);
		static RE::TESObjectREFR* AsRef(sim::Form& a_form);
		static RE::Actor* AsActor(sim::Form& a_form);

		sim::GameFolder game;
		TestLog log;
		sim::World& world;
	};
}
