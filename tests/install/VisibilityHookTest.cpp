#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "GameSession.h"
#include "Helpers/AddressText.h"
#include "Lifecycle/EventSinks.h"
#include "Lifecycle/GameData.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "Settings/GlobalSettings.h"
#include "sim/Verbs.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;

	// The player in an exterior, sitting in a vehicle in its first-person
	// view, the plugin installed with logging on; the player's node asks
	// with state 5.
	class VisibilityHook : public test::GameSession
	{
	protected:
		VisibilityHook()
		{
			WritePluginFile("Tarmacor.ini", test::LoggingIni);
			Install();
			world.references.player.fInVehicle = 1.0f;
			world.camera.vehicleState.vehicleViewMode = 1;
			world.scene.playerRoot.visibilityState = 5;
			world.calls.clear();
		}

		std::string FirstLine(const void* a_node, int a_state) const
		{
			return "info: [GetDesiredVisibilityState] 3D " + GetAddressAsHex(reinterpret_cast<std::uintptr_t>(a_node), false) +
				" | visibilityState [" + std::to_string(a_state) + "]";
		}
	};

	TEST_F(VisibilityHook, EveryGateHandsTheGameItsOwnStateAndSaysWhy)
	{
		struct Case
		{
			const char* gate;
			std::function<void(sim::World&)> arrange;
		};
		const Case cases[] = {
			{ "VehicleCamState", [](sim::World& w) { w.camera.cameraGlobal = nullptr; PlayerCameraRef = nullptr; } },
			{ "VehicleCamState", [](sim::World& w) { w.camera.camera.currentState = nullptr; } },
			{ "VehicleCamState", [](sim::World& w) { w.camera.vehicleState.vehicleViewMode = 0; } },
			{ "PlayBinkMenu or EndGameCreditsMenu", [](sim::World&) { sim::open_menu("PlayBinkMenu"); } },
			{ "PlayBinkMenu or EndGameCreditsMenu", [](sim::World&) { sim::open_menu("EndGameCreditsMenu"); } },
			{ "Player's 3D", [](sim::World& w) { w.references.playerLoadedData.root = nullptr; Player3D = nullptr; } },
			{ "Player's 3D", [](sim::World& w) { w.references.player.ref.loadedData = nullptr; Player3D = nullptr; } },
			{ "ParentCell", [](sim::World& w) { w.references.player.ref.parentCell = nullptr; } },
			{ "IsInterior", [](sim::World& w) { w.references.player.ref.parentCell = &w.references.interior; } },
			{ "IsGameMenuPaused", [](sim::World& w) { w.menus.bGameMenuPaused = true; } },
			{ "IsInVehicle", [](sim::World& w) { w.references.player.fInVehicle = 0.0f; RearViewState = 2; } },
		};
		for (const auto& c : cases) {
			SCOPED_TRACE(c.gate);
			c.arrange(world);
			const auto first = EntryCount();
			EXPECT_EQ(sim::run_frame(), 5);
			// The refresh while a video plays reports its own form lookup after.
			auto entries = EntriesFrom(first);
			entries.resize(std::min<std::size_t>(entries.size(), 2));
			EXPECT_THAT(entries, ElementsAre(FirstLine(&world.scene.playerRoot, 5), std::string("info: [GetDesiredVisibilityState] can't apply patch | ") + c.gate));
			// Put the game back as the fixture had it, the sinks registered
			// with its fresh event sources.
			world.reset();
			RegisterEventSinks();
			world.references.player.fInVehicle = 1.0f;
			world.camera.vehicleState.vehicleViewMode = 1;
			world.scene.playerRoot.visibilityState = 5;
			PlayerCameraRef = reinterpret_cast<RE::PlayerCamera*>(&world.camera.camera);
			Player3D = reinterpret_cast<RE::NiAVObject*>(&world.scene.playerRoot);
		}
		EXPECT_EQ(RearViewState, 0);
	}

	TEST_F(VisibilityHook, ThePlayersNodeInAVehicleGetsStateZeroAfterTheRuntimeInItsOrder)
	{
		const auto first = EntryCount();
		EXPECT_EQ(sim::run_frame(), 0);
		EXPECT_EQ(EntriesFrom(first).back(), "info: [GetDesiredVisibilityState] applying patch");
		// The game's own function gets the plugin's state.
		const auto updates = world.calls.of("UpdateVisibility");
		ASSERT_EQ(updates.size(), 1u);
		EXPECT_EQ(updates[0].arguments[1], 0u);
		// Pause, vehicle, the profile switch's vehicle question, and last the
		// game's own function. Menus come from the game's events: no frame
		// asks about one.
		const auto names = world.calls.names();
		const auto at = [&](std::string_view a_name) { return std::find(names.begin(), names.end(), a_name) - names.begin(); };
		EXPECT_LT(at("IsGameMenuPaused"), at("IsInVehicle"));
		EXPECT_LT(at("IsInVehicle"), at("GetVehicle"));
		EXPECT_LT(at("GetVehicle"), at("UpdateVisibility"));
		EXPECT_THAT(world.calls.of("IsMenuOpen"), IsEmpty());
		EXPECT_THAT(world.calls.of("GameString"), IsEmpty());
	}

	TEST_F(VisibilityHook, OtherNodesGetTheirOwnStateWithoutTheRuntime)
	{
		auto& other = world.scene.add_fade_node(7);
		const auto first = EntryCount();
		sim::run_frame();
		EXPECT_EQ(other.lastResult, 7);
		const auto entries = EntriesFrom(first);
		EXPECT_EQ(entries.back(), FirstLine(&other, 7));
		EXPECT_EQ(world.calls.of("GetVehicle").size(), 1u);  // the player's node's only
	}

	TEST_F(VisibilityHook, TheStringValueSlotsFollowTheViewModeByTheTestSwitch)
	{
		struct Case
		{
			int iTest;
			std::uint8_t viewMode;
			bool bGroupA, bGroupB;
		};
		const Case cases[] = {
			{ 0, 1, true, true },
			{ 0, 2, true, true },
			{ 1, 1, false, true },
			{ 1, 3, false, true },
			{ 2, 1, false, false },
			{ 2, 2, false, false },
		};
		auto& other = world.scene.add_fade_node(1);
		(void)other;
		for (const auto& c : cases) {
			SCOPED_TRACE(testing::Message() << "iTestStringValues " << c.iTest << ", view " << int(c.viewMode));
			iTestStringValues = c.iTest;
			world.camera.vehicleState.vehicleViewMode = c.viewMode;
			auto& slots = world.strings.valueSlots;
			std::fill(slots.begin() + 1, slots.end(), 0);
			RearViewState = 1;
			sim::run_frame();
			const auto expected = [&](std::size_t a_slot, bool a_follows) -> std::uint64_t {
				if (!a_follows) {
					return 0;
				}
				return c.viewMode == 1 ? 0x5356000000000001 : 0x5356000000000000 + a_slot + 1;
			};
			for (std::size_t i = 1; i < 3; ++i) {
				EXPECT_EQ(slots[i], expected(i, c.bGroupA)) << "slot " << i + 1;
			}
			for (std::size_t i = 3; i < 9; ++i) {
				EXPECT_EQ(slots[i], expected(i, c.bGroupB)) << "slot " << i + 1;
			}
			if (c.viewMode != 1) {
				EXPECT_EQ(RearViewState, 0);
			}
		}
		// View mode 0 writes nothing.
		world.camera.vehicleState.vehicleViewMode = 0;
		iTestStringValues = 0;
		std::fill(world.strings.valueSlots.begin() + 1, world.strings.valueSlots.end(), 0);
		sim::run_frame();
		EXPECT_EQ(world.strings.valueSlots[1], 0u);
	}

	TEST_F(VisibilityHook, AVideoRefreshesEveryCacheAndNothingElseUntilItCloses)
	{
		PlayerRef = nullptr;
		Player3D = nullptr;
		sim::open_menu("PlayBinkMenu");
		EXPECT_EQ(sim::run_frame(), 5);
		EXPECT_EQ(static_cast<void*>(PlayerRef), static_cast<void*>(&world.references.player));
		EXPECT_EQ(static_cast<void*>(Player3D), static_cast<void*>(&world.scene.playerRoot));
		EXPECT_THAT(world.calls.of("IsInVehicle"), IsEmpty());
		EXPECT_THAT(world.calls.of("IsMenuOpen"), IsEmpty());

		sim::close_menu("PlayBinkMenu");
		EXPECT_EQ(sim::run_frame(), 0);
	}

	TEST_F(VisibilityHook, CreditsRollingWhenTheSinksAreRegisteredAreKnownWithoutAnEvent)
	{
		world.menus.open.insert("EndGameCreditsMenu");  // no event: open before registration
		RegisterEventSinks();
		const auto first = EntryCount();
		EXPECT_EQ(sim::run_frame(), 5);
		EXPECT_EQ(EntriesFrom(first).at(1), "info: [GetDesiredVisibilityState] can't apply patch | PlayBinkMenu or EndGameCreditsMenu");
	}

	TEST_F(VisibilityHook, APlayerFrameNeverWaitsForTheRuntimeAndKeepsItsLastAnswer)
	{
		ASSERT_EQ(sim::run_frame(), 0);
		world.calls.clear();
		const RuntimeHeldElsewhere busy;
		EXPECT_EQ(sim::run_frame(), 0);
		EXPECT_THAT(world.calls.of("IsInVehicle"), IsEmpty());
		EXPECT_EQ(world.calls.of("UpdateVisibility").size(), 1u);
	}
}
