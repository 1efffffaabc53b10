#pragma once
// The vehicle runtime in the running game: a game folder with the address
// library, a fresh log and world, keys and the clock answering from the
// world, the captured game data pointing into it, and the player driving
// nothing yet.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "Settings/Profile.h"
#include "TestLog.h"
#include "sim/GameFolder.h"
#include "sim/platform/Clock.h"
#include "sim/world/World.h"

namespace test
{
	class RuntimeTest : public testing::Test
	{
	protected:
		RuntimeTest();
		~RuntimeTest() override;

		// A profile with the value texts the rear view and applying read.
		static Profile MakeProfile(std::string_view a_name, std::string_view a_yaw = "90.000000");
		// A reference of the vehicle form with its own display name (none for
		// an empty one).
		sim::game::TESObjectREFR& AddVehicle(std::string_view a_name, sim::game::TESForm* a_base = nullptr);
		// The player sits in a_vehicle.
		void Drive(sim::game::TESObjectREFR& a_vehicle);
		// A companion that qualifies as the player's passenger, in the handle list.
		sim::game::Actor& AddPassenger(std::uint32_t a_formID);

		void HoldKey(int a_key, bool a_down = true) { world.input.bKeyDown.at(static_cast<std::size_t>(a_key)) = a_down; }
		float SettingValue(std::string_view a_name);

		// The bodies of one function's log lines, in order ("[<function>] " cut).
		std::vector<std::string> LinesOf(std::string_view a_function) const;
		std::vector<std::string> Entries() const { return log.entries(); }

		sim::World& world{ sim::world() };
		sim::GameFolder game;
		TestLog log;
		sim::ScopedClock clock;
		sim::game::TESForm* vehicleForm{ nullptr };
		sim::game::TESForm* form23C01{ nullptr };
		sim::game::TESForm* form3BD86{ nullptr };

	private:
		std::deque<sim::game::ExtraDataList> _extraLists;
		std::deque<sim::game::ExtraTextDisplayData> _displayNames;
	};
}
