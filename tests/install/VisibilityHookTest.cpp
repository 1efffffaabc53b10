#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "GameSession.h"
#include "Helpers/AddressText.h"
#include "Lifecycle/EventSinks.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "Settings/GlobalSettings.h"
#include "State/GameData.h"
#include "sim/Verbs.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;
	using testing::ElementsAreArray;

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
		// Each slot's own value as the game holds it; xx where the test
		// emptied a slot and the hook left it alone.
		constexpr std::uint64_t S1 = 0x5356000000000001, S2 = 0x5356000000000002, S3 = 0x5356000000000003,
								S4 = 0x5356000000000004, S5 = 0x5356000000000005, S6 = 0x5356000000000006,
								S7 = 0x5356000000000007, S8 = 0x5356000000000008, S9 = 0x5356000000000009, xx = 0;
		struct Case
		{
			int iTest;
			std::uint8_t viewMode;
			std::array<std::uint64_t, 8> slots2To9;
		};
		// clang-format off
		const Case cases[] = {
			{ 0, 1, { S1, S1, S1, S1, S1, S1, S1, S1 } },
			{ 0, 2, { S2, S3, S4, S5, S6, S7, S8, S9 } },
			{ 1, 1, { xx, xx, S1, S1, S1, S1, S1, S1 } },
			{ 1, 3, { xx, xx, S4, S5, S6, S7, S8, S9 } },
			{ 2, 1, { xx, xx, xx, xx, xx, xx, xx, xx } },
			{ 2, 2, { xx, xx, xx, xx, xx, xx, xx, xx } },
			{ 0, 0, { xx, xx, xx, xx, xx, xx, xx, xx } },
		};
		// clang-format on
		world.scene.add_fade_node(1);
		auto& slots = world.strings.valueSlots;
		for (const auto& c : cases) {
			SCOPED_TRACE(testing::Message() << "iTestStringValues " << c.iTest << ", view " << int(c.viewMode));
			iTestStringValues = c.iTest;
			world.camera.vehicleState.vehicleViewMode = c.viewMode;
			std::fill(slots.begin() + 1, slots.end(), 0);
			RearViewState = 1;
			sim::run_frame();
			EXPECT_THAT(std::vector(slots.begin() + 1, slots.end()), ElementsAreArray(c.slots2To9));
			if (c.viewMode > 1) {
				EXPECT_EQ(RearViewState, 0);
			}
		}
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

	// The credits close while the game answers whether they are open: the
	// close event wins over the answer, and frames run the runtime again.
	TEST_F(VisibilityHook, ACloseEventDuringTheQuestionWinsOverItsAnswer)
	{
		world.menus.open.insert("EndGameCreditsMenu");
		world.menus.whileAnswering = [&](std::string_view a_menu) {
			if (a_menu == "EndGameCreditsMenu") {
				world.menus.whileAnswering = nullptr;
				sim::close_menu("EndGameCreditsMenu");
			}
		};
		RegisterEventSinks();
		ASSERT_TRUE(WaitForReloads());
		world.calls.clear();
		EXPECT_EQ(sim::run_frame(), 0);
		EXPECT_FALSE(world.calls.of("IsInVehicle").empty());
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

	// A game function that throws in the middle of a pass: the game gets its
	// own state back, the pass says so, and the next pass runs as usual.
	TEST_F(VisibilityHook, AFailingGameCallGivesTheGameItsOwnStateAndTheNextPassRuns)
	{
		world.input.bKeyDown[0x20] = true;  // slow time, so that the runtime asks the game to slow down
		for (const char* function : { "IsInVehicle", "GetVehicle", "SetTimeMultiplier" }) {
			SCOPED_TRACE(function);
			world.time.fCurrentTimeMultiplier = 1.0f;
			world.calls.clear();
			world.calls.fail_next(function);
			const auto first = EntryCount();
			EXPECT_EQ(sim::run_frame(), 5);
			EXPECT_EQ(world.calls.of(function).size(), 1u);
			const auto updates = world.calls.of("UpdateVisibility");
			ASSERT_EQ(updates.size(), 1u);
			EXPECT_EQ(updates[0].arguments[1], 5u);
			EXPECT_EQ(EntriesFrom(first).back(), "warning: [GetDesiredVisibilityState] can't apply patch | unknown error");

			EXPECT_EQ(sim::run_frame(), 0);
		}
	}

	// The player drives a named vehicle of the vehicle form with a companion
	// riding along; its profile decides whether chatter works in third
	// person: the REV-8's does (the default), the Mantis's doesn't.
	class VehiclePass : public test::GameSession
	{
	protected:
		VehiclePass()
		{
			world.forms.add_full("SFBGS004.esm", 0x02);
			auto& vehicleForm = world.forms.add_form(0x02000017);
			auto& companionForm = world.forms.add_form(0x00023C01);
			for (const char* name : { "REV-8", "Mantis" }) {
				auto& vehicle = world.references.add_reference(0xFF000101 + static_cast<std::uint32_t>(vehicles.size()), 0, &vehicleForm);
				world.references.set_display_name(vehicle, world.strings.intern(name));
				vehicles.push_back(&vehicle);
			}
			auto& companion = world.references.add_actor(0x00005791);
			companion.checkForms = { &companionForm };
			companion.bPassenger = true;
			companion.fInVehicle = 1.0f;
			world.references.add_handle(&companion.ref);

			WritePluginFile("Tarmacor.ini",
				test::Ini({ "[Default]", "[REV-8]", "[Mantis]", "bCompanionChatterAllowInThirdPerson=0", "[Global]", "bLogging=1" }));
			Install();
			world.references.player.fInVehicle = 1.0f;
			world.scene.playerRoot.visibilityState = 5;
		}

		std::vector<sim::game::TESObjectREFR*> vehicles;
	};

	// What each part did on one pass, seen in the game: the rear view turned
	// the yaw limit round, slow time slowed the game down, chatter started a
	// dialogue with the companion.
	TEST_F(VehiclePass, ChatterOnlyWhenNeitherRearViewNorSlowTimeActedAndTheRearViewOnlyInFirstPerson)
	{
		constexpr int Q = 0x51, Space = 0x20, Shift = 0xA0;
		struct Case
		{
			const char* what;
			std::size_t vehicle;  // 0 REV-8, 1 Mantis
			std::uint8_t viewMode;
			std::vector<int> keys;
			bool bRearView, bSlowTime, bChatter;
		};
		const Case cases[] = {
			{ "first person, chatter key", 0, 1, { Shift }, false, false, true },
			{ "first person, rear view and chatter keys", 0, 1, { Q, Shift }, true, false, false },
			{ "first person, slow time and chatter keys", 0, 1, { Space, Shift }, false, true, false },
			{ "third person, rear view and chatter keys", 0, 2, { Q, Shift }, false, false, true },
			{ "third person without chatter there, chatter key", 1, 2, { Shift }, false, false, false },
			{ "first person without chatter in third person, chatter key", 1, 1, { Shift }, false, false, true },
		};
		for (const auto& c : cases) {
			SCOPED_TRACE(c.what);
			world.references.player.vehicle = vehicles[c.vehicle];
			world.camera.vehicleState.vehicleViewMode = c.viewMode;
			world.input.bKeyDown = {};
			for (const int key : c.keys) {
				world.input.bKeyDown[static_cast<std::size_t>(key)] = true;
			}
			world.settings.find("fVehicleCameraFirstPersonMaxAbsYaw")->value = 55.0f;
			world.time.fCurrentTimeMultiplier = 1.0f;
			AdvanceMs(1500);  // past the wait between two chatters
			world.calls.clear();

			EXPECT_EQ(sim::run_frame(), 0);
			EXPECT_EQ(world.settings.find("fVehicleCameraFirstPersonMaxAbsYaw")->value == -180.0f, c.bRearView);
			EXPECT_EQ(world.time.fCurrentTimeMultiplier == 0.2f, c.bSlowTime);
			EXPECT_EQ(world.calls.of("InitiateDialogue").size(), c.bChatter ? 1u : 0u);
		}
	}
}
