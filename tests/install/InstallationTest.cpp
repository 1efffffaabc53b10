#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>

#include <fmt/format.h>
#include <windows.h>

#include "Dialogue/PassengerIdleChatterFix.h"
#include "FailingAllocations.h"
#include "GameSession.h"
#include "Helpers/AddressText.h"
#include "Lifecycle/InitializeGameData.h"
#include "Lifecycle/PostDataLoad.h"
#include "Lifecycle/VisibilityHook.h"
#include "ProtectedPage.h"
#include "SFSE/Trampoline.h"
#include "Settings/Profiles.h"
#include "State/GameData.h"
#include "State/StringValues.h"
#include "sim/Verbs.h"
#include "sim/code/Code.h"
#include "sim/host/Host.h"
#include "sim/platform/MessageBoxes.h"

extern "C" std::uint8_t sim_FadeNodeUpdateVisibility(sim::game::NiNode*, std::uint8_t);

namespace
{
	using testing::Contains;
	using testing::IsEmpty;
	using testing::Not;
	using Installation = test::GameSession;
	using PassengerIdleChatterFix::PassengerIdleChatterFunc;

	constexpr std::uint64_t kSlotValue(int a_slot) { return 0x5356000000000000 + static_cast<std::uint64_t>(a_slot); }

	std::uintptr_t VisibilitySlot() { return reinterpret_cast<std::uintptr_t>(sim_BSFadeNodeVTable[sim::code::kFadeNodeVisibilitySlot]); }

	TEST_F(Installation, OtherMessagesChangeNothing)
	{
		WritePluginFile("Tarmacor.ini", test::LoggingIni);
		const auto slotBefore = VisibilitySlot();
		for (const std::uint32_t type : { 0u, 1u, 3u, 4u }) {
			sim::send_message(HandleOnPostDataLoad, type);
		}
		EXPECT_EQ(VisibilitySlot(), slotBefore);
		EXPECT_THAT(world.calls.all(), IsEmpty());
		EXPECT_THAT(log.entries(), IsEmpty());
		EXPECT_THAT(Profiles, IsEmpty());
	}

	TEST_F(Installation, HooksTheGameOnceAndAppliesTheFirstProfile)
	{
		WritePluginFile("Tarmacor.ini", test::LoggingIni);
		Install();

		// The table leads to the thunk, which keeps the game's own function.
		EXPECT_EQ(VisibilitySlot(), reinterpret_cast<std::uintptr_t>(&VisibilityThunk));
		EXPECT_EQ(reinterpret_cast<std::uintptr_t>(OriginalVisibilityFunction), reinterpret_cast<std::uintptr_t>(&sim_FadeNodeUpdateVisibility));
		// The first profile went into the game: its settings were looked up.
		EXPECT_FALSE(world.calls.of("LookupSettingByName").empty());
		EXPECT_EQ(CurrentProfile.sProfileName, "");
		EXPECT_EQ(log.entries().back(), "info: [HandleOnPostDataLoad] Installation complete");
		EXPECT_EQ(world.events.saveLoad.count, 1u);
		EXPECT_EQ(world.menus.ui.menuOpenCloseSource.count, 1u);

		// A second message reloads and captures again, but never takes the
		// plugin's own thunk or stub for the game's function.
		const auto first01 = PassengerIdleChatterFunc::func01.address();
		Install();
		EXPECT_EQ(reinterpret_cast<std::uintptr_t>(OriginalVisibilityFunction), reinterpret_cast<std::uintptr_t>(&sim_FadeNodeUpdateVisibility));
		EXPECT_EQ(PassengerIdleChatterFunc::func01.address(), first01);
		EXPECT_NE(first01, SFSE::DefaultTrampoline().stub_of(reinterpret_cast<std::uintptr_t>(&PassengerIdleChatterFunc::SayDialogue01)));
		EXPECT_EQ(world.events.saveLoad.count, 1u);

		// The game's calls still end in its own functions, once each.
		world.calls.clear();
		world.scene.playerRoot.visibilityState = 4;
		EXPECT_EQ(sim::run_frame(), 4);
		EXPECT_EQ(world.calls.of("UpdateVisibility").size(), 1u);
		sim::pick_first_idle_line({});
		EXPECT_EQ(world.calls.of("FirstIdleLine").size(), 1u);
	}

	TEST_F(Installation, WritesTheDefaultIniFirstWhenThereIsNone)
	{
		Install();
		EXPECT_TRUE(std::filesystem::exists(game.plugins() / "Tarmacor.ini"));
		ASSERT_EQ(Profiles.size(), 1u);
		EXPECT_EQ(Profiles[0].sProfileName, "Default");
		EXPECT_FALSE(world.calls.of("LookupSettingByName").empty());
	}

	TEST_F(Installation, NoProfileAtAllAppliesNothing)
	{
		WritePluginFile("Tarmacor.ini", test::Ini({ "[Global]", "bLogging=1" }));
		Install();
		EXPECT_THAT(Profiles, IsEmpty());
		EXPECT_THAT(log.entries(), Contains("warning: [InitializeGameData] can't apply Default profile | Profiles.size == 0"));
		EXPECT_TRUE(world.calls.of("LookupSettingByName").empty());

		// A pass in a vehicle finds no profile to switch to, and goes on.
		world.references.player.fInVehicle = 1.0f;
		world.camera.vehicleState.vehicleViewMode = 1;
		world.scene.playerRoot.visibilityState = 3;
		EXPECT_EQ(sim::run_frame(), 0);
	}

	TEST_F(Installation, TheTestSwitchDecidesWhatTheCaptureWrites)
	{
		struct Case
		{
			const char* value;
			bool bGroupAWritten;
		};
		for (const auto& c : { Case{ "0", false }, Case{ "-3", false }, Case{ "1", true }, Case{ "2", true } }) {
			SCOPED_TRACE(c.value);
			world.reset();
			WritePluginFile("Tarmacor.ini", test::Ini({ "[Default]", "[Global]", std::string("iTestStringValues=") + c.value }));
			Install();
			const auto& slots = world.strings.valueSlots;
			EXPECT_EQ(slots[0], kSlotValue(1));
			EXPECT_EQ(slots[1], c.bGroupAWritten ? kSlotValue(1) : kSlotValue(2));
			EXPECT_EQ(slots[2], c.bGroupAWritten ? kSlotValue(1) : kSlotValue(3));
			for (int i = 3; i < 9; ++i) {
				EXPECT_EQ(slots[static_cast<std::size_t>(i)], kSlotValue(i + 1));
			}
			EXPECT_EQ(StringValueSlots[4].savedValue, kSlotValue(5));
		}
	}

	// A game that has no save/load source or no UI object yet: the other
	// sink goes in and works, the installation completes.
	TEST_F(Installation, EachSinkIsRegisteredOnlyWhereTheGameHasItsSource)
	{
		struct Case
		{
			const char* what;
			std::function<void(sim::World&)> arrange;
			std::size_t saveLoadSinks, menuSinks;
		};
		const Case cases[] = {
			{ "no save/load source", [](sim::World& w) { w.events.saveLoadSource = nullptr; }, 0, 1 },
			{ "no UI object", [](sim::World& w) { w.menus.uiGlobal = nullptr; }, 1, 0 },
		};
		for (const auto& c : cases) {
			SCOPED_TRACE(c.what);
			world.reset();
			c.arrange(world);
			WritePluginFile("Tarmacor.ini", test::LoggingIni);
			Install();
			EXPECT_EQ(world.events.saveLoad.count, c.saveLoadSinks);
			EXPECT_EQ(world.menus.ui.menuOpenCloseSource.count, c.menuSinks);
			EXPECT_EQ(log.entries().back(), "info: [HandleOnPostDataLoad] Installation complete");

			AdvanceMs(3001);
			const auto first = EntryCount();
			EXPECT_EQ(sim::save_game(), c.saveLoadSinks);
			EXPECT_EQ(sim::close_menu("EndGameCreditsMenu"), c.menuSinks);
			ASSERT_TRUE(WaitForReloads());
			const auto entries = EntriesFrom(first);
			const auto count = [&](const char* a_line) { return static_cast<std::size_t>(std::count(entries.begin(), entries.end(), a_line)); };
			EXPECT_EQ(count("info: [HandleSaveLoadEvent] reloading all profiles and settings..."), c.saveLoadSinks);
			EXPECT_EQ(count("info: [ProcessEvent] EndGameCreditsMenu closed, reinstalling"), c.menuSinks);
		}
	}

	// Out of memory in the catch-all of an entry point too: the line that
	// says so can't be built, and still nothing unwinds into the game or the
	// host. The hook gives the game its own state; the installation ends.
	TEST_F(Installation, EntryPointsLetNothingEscapeWhenNoMemoryIsLeft)
	{
		WritePluginFile("Tarmacor.ini", test::LoggingIni);
		Install();
		world.references.player.fInVehicle = 1.0f;
		world.camera.vehicleState.vehicleViewMode = 1;
		world.scene.playerRoot.visibilityState = 3;
		{
			// The frame's first line, then the catch-all's.
			const test::ScopedFailingAllocations noMemory(2);
			EXPECT_EQ(sim::run_frame(), 3);
		}
		{
			const test::ScopedFailingAllocations noMemory(2);
			sim::send_message(HandleOnPostDataLoad, SFSE::MessagingInterface::kPostDataLoad);
		}
		EXPECT_EQ(sim::run_frame(), 0);
	}

	// Another mod's function in the fade node's slot, leading on to the game's.
	int g_chainedCalls = 0;
	std::uint8_t ChainedUpdateVisibility(sim::game::NiNode* a_node, std::uint8_t a_state)
	{
		++g_chainedCalls;
		return sim_FadeNodeUpdateVisibility(a_node, a_state);
	}

	std::uint64_t g_notCode = 0;

	void SetVisibilitySlot(std::uintptr_t a_value)
	{
		auto* slot = const_cast<const void**>(&sim_BSFadeNodeVTable[sim::code::kFadeNodeVisibilitySlot]);
		DWORD old = 0;
		::VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &old);
		*slot = reinterpret_cast<const void*>(a_value);
		::VirtualProtect(slot, sizeof(*slot), old, &old);
	}

	TEST_F(Installation, TheFadeNodeSlotIsHookedOnlyWhenItHoldsCode)
	{
		WritePluginFile("Tarmacor.ini", test::LoggingIni);
		Install();
		const auto savedSlot = VisibilitySlot();
		const auto savedOriginal = OriginalVisibilityFunction;

		// Data, or code the game can't run from here: left alone, with one line.
		const test::ProtectedPage guarded(savedSlot, PAGE_EXECUTE_READ | PAGE_GUARD);
		const test::ProtectedPage noAccess(savedSlot, PAGE_NOACCESS);
		const auto slotAddress = reinterpret_cast<std::uintptr_t>(&sim_BSFadeNodeVTable[sim::code::kFadeNodeVisibilitySlot]);
		for (const auto foreign : { reinterpret_cast<std::uintptr_t>(&g_notCode), guarded.address(), noAccess.address() }) {
			SetVisibilitySlot(foreign);
			const auto first = EntryCount();
			InstallVisibilityHook();
			EXPECT_EQ(VisibilitySlot(), foreign);
			EXPECT_EQ(OriginalVisibilityFunction, savedOriginal);
			EXPECT_THAT(EntriesFrom(first), testing::ElementsAre(fmt::format("error: UpdateVisibility not hooked | the table slot {} holds {:X}, not executable code", GetAddressAsHex(slotAddress, true), foreign)));
		}

		// A chained function: hooked, and the frame still reaches it.
		SetVisibilitySlot(reinterpret_cast<std::uintptr_t>(&ChainedUpdateVisibility));
		InstallVisibilityHook();
		EXPECT_EQ(VisibilitySlot(), reinterpret_cast<std::uintptr_t>(&VisibilityThunk));
		EXPECT_EQ(reinterpret_cast<std::uintptr_t>(OriginalVisibilityFunction), reinterpret_cast<std::uintptr_t>(&ChainedUpdateVisibility));
		g_chainedCalls = 0;
		world.scene.playerRoot.visibilityState = 4;
		EXPECT_EQ(sim::run_frame(), 4);
		EXPECT_EQ(g_chainedCalls, 1);
		EXPECT_EQ(world.calls.of("UpdateVisibility").size(), 1u);

		SetVisibilitySlot(savedSlot);
		OriginalVisibilityFunction = savedOriginal;
	}

	// Runs in the child: every slot has an address but a_missing.
	void CaptureWithoutSlot(std::size_t a_missing)
	{
		sim::capture_message_boxes(::GetModuleHandleW(nullptr));
		static std::array<std::uint64_t, 9> values{};
		std::array<std::uint64_t*, 9> addresses{};
		for (std::size_t i = 0; i < addresses.size(); ++i) {
			addresses[i] = i == a_missing ? nullptr : &values[i];
		}
		CaptureStringValueSlots(addresses);
	}

	TEST(InstallationDeathTest, ASlotWithoutAddressEndsTheGameWithItsCode)
	{
		struct Case
		{
			std::size_t slot;
			const char* text;
		};
		for (const auto& c : { Case{ 0, "Internal error: code 01" }, Case{ 3, "Internal error: code 05" }, Case{ 8, "Internal error: code 010" } }) {
			EXPECT_EXIT(CaptureWithoutSlot(c.slot), testing::ExitedWithCode(0), std::string("message box \\[Tarmacor - SFSE Plugin by Quenvar v4.4\\]: ") + c.text + "\n");
		}
	}
}
