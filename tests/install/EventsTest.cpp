#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "GameSession.h"
#include "Lifecycle/EventSinks.h"
#include "Lifecycle/SaveLoadEvent.h"
#include "Settings/GlobalSettings.h"
#include "Settings/Profiles.h"
#include "State/GameData.h"
#include "sim/Verbs.h"
#include "sim/events/Events.h"

namespace
{
	using testing::Contains;
	using testing::ElementsAre;
	using testing::IsEmpty;
	using testing::Not;

	const std::string kReloading = "info: [HandleSaveLoadEvent] reloading all profiles and settings...";

	// Installed with logging on and two profiles; the installation's clock
	// reading lies 3001 ms back.
	class Events : public test::GameSession
	{
	protected:
		Events()
		{
			WritePluginFile("Tarmacor.ini", test::Ini({ "[Default]", "[REV-8]", "[Global]", "bLogging=1" }));
			Install();
			AdvanceMs(3001);
		}

		bool Reloaded(std::size_t a_first) const
		{
			const auto entries = EntriesFrom(a_first);
			return std::find(entries.begin(), entries.end(), kReloading) != entries.end();
		}
	};

	TEST_F(Events, SaveAndLoadTwoAndAHalfSecondsApart)
	{
		auto first = EntryCount();
		EXPECT_EQ(sim::save_game(), 1u);
		EXPECT_TRUE(Reloaded(first));
		EXPECT_THAT(EntriesFrom(first), Contains("warning: [HandleSaveLoadEvent] current profile [] could not be found in Profiles; reapplying Default profile"));
		EXPECT_EQ(CurrentProfile.sProfileName, "Default");

		for (int i = 0; i < 2; ++i) {
			AdvanceMs(2500);
			first = EntryCount();
			sim::load_game();
			EXPECT_FALSE(Reloaded(first));
			EXPECT_EQ(EntriesFrom(first).front(), "warning: [HandleSaveLoadEvent] could not reload profiles and settings | elapsed [2500]");
		}
	}

	TEST_F(Events, TheQuietTimeIs3001Milliseconds)
	{
		sim::save_game();
		AdvanceMs(3000.5);
		auto first = EntryCount();
		sim::save_game();
		EXPECT_THAT(EntriesFrom(first), Contains("warning: [HandleSaveLoadEvent] could not reload profiles and settings | elapsed [3000]"));
		AdvanceMs(3001);
		first = EntryCount();
		sim::save_game();
		EXPECT_TRUE(Reloaded(first));
	}

	TEST_F(Events, TheActiveProfileIsFoundAgainAfterTheReload)
	{
		SaveCurrentProfile(1);
		const auto first = EntryCount();
		sim::load_game();
		EXPECT_THAT(EntriesFrom(first), Contains("info: [HandleSaveLoadEvent] current profile [REV-8] could be found in Profiles; reapplying profile"));
		EXPECT_EQ(CurrentProfile.sProfileName, "REV-8");
	}

	TEST_F(Events, NothingHappensWhileTheMainMenuIsOpen)
	{
		world.menus.open.insert("MainMenu");
		const auto before = LastSaveLoadTime;
		const auto first = EntryCount();
		sim::save_game();
		EXPECT_THAT(EntriesFrom(first), IsEmpty());
		EXPECT_EQ(LastSaveLoadTime, before);
	}

	TEST_F(Events, StringValuesAreWrittenOnlyWithTheSwitchAndNoPauseMenu)
	{
		struct Case
		{
			int iTest;
			bool bPauseMenu;
			bool bWritten;
		};
		for (const auto& c : { Case{ 0, false, false }, Case{ 1, true, false }, Case{ 1, false, true } }) {
			SCOPED_TRACE(c.iTest);
			iTestStringValues = c.iTest;
			if (c.bPauseMenu) {
				world.menus.open.insert("PauseMenu");
			} else {
				world.menus.open.erase("PauseMenu");
			}
			world.strings.valueSlots[1] = 0;
			const auto first = EntryCount();
			HandleSaveLoadEvent();
			EXPECT_EQ(world.strings.valueSlots[1], c.bWritten ? 0x5356000000000001u : 0u);
			EXPECT_EQ(EntriesFrom(first).back() == "info: [HandleSaveLoadEvent] String values can be tested now", c.bWritten);
		}
	}

	TEST_F(Events, ClosingTheEndCreditsReinstallsOtherMenusDoNothing)
	{
		auto first = EntryCount();
		sim::open_menu("EndGameCreditsMenu");
		sim::close_menu("PauseMenu");
		sim::open_menu("PauseMenu");
		EXPECT_THAT(EntriesFrom(first), IsEmpty());

		PlayerRef = nullptr;
		first = EntryCount();
		sim::close_menu("EndGameCreditsMenu");
		const auto entries = EntriesFrom(first);
		ASSERT_FALSE(entries.empty());
		EXPECT_EQ(entries.front(), "info: [ProcessEvent] EndGameCreditsMenu closed, reinstalling");
		EXPECT_EQ(entries.back(), "info: [DumpAllProfiles]  ----------------- END ---------------- ");
		EXPECT_EQ(static_cast<void*>(PlayerRef), static_cast<void*>(&world.references.player));
	}

	TEST_F(Events, TheGameFindsProcessEventInSlotOneOfTheSinksTables)
	{
		// As the game calls it: slot 1 of the raw table, this first.
		using ProcessEvent_t = std::uint32_t (*)(void*, const void*, void*);
		const sim::game::MenuOpenCloseEvent closing{ { world.strings.intern("EndGameCreditsMenu") }, 0 };
		void* sink = &TarmacorMenuOpenCloseEvent;
		const auto* table = *static_cast<void* const* const*>(sink);
		const ProcessEvent_t volatile process = reinterpret_cast<ProcessEvent_t>(table[1]);
		const auto first = EntryCount();
		EXPECT_EQ(process(sink, &closing, nullptr), 0u);
		EXPECT_EQ(EntriesFrom(first).front(), "info: [ProcessEvent] EndGameCreditsMenu closed, reinstalling");

		void* saveSink = &TarmacorSaveLoadEvent;
		const auto* saveTable = *static_cast<void* const* const*>(saveSink);
		const ProcessEvent_t volatile processSave = reinterpret_cast<ProcessEvent_t>(saveTable[1]);
		const sim::game::SaveLoadEvent event{ 1 };
		EXPECT_EQ(processSave(saveSink, &event, nullptr), 0u);

		// Slot 0, the game's destructor, leaves the static sink as it is.
		using Destroy_t = void* (*)(void*, std::uint32_t);
		const Destroy_t volatile destroy = reinterpret_cast<Destroy_t>(saveTable[0]);
		EXPECT_EQ(destroy(saveSink, 1), saveSink);
		EXPECT_EQ(*static_cast<void* const* const*>(saveSink), saveTable);
	}

	TEST_F(Events, AReloadThatFindsTheRuntimeBusyIsPutInForceByTheNextFrame)
	{
		SaveCurrentProfile(1);
		WritePluginFile("Tarmacor.ini", test::Ini({ "[Default]", "[REV-8]", "[Rover]", "[Global]", "bLogging=1" }));
		auto first = EntryCount();
		{
			const RuntimeHeldElsewhere busy;
			sim::load_game();  // returns without waiting for the runtime
			EXPECT_TRUE(Reloaded(first));
			EXPECT_EQ(Profiles.size(), 2u);
		}
		EXPECT_THAT(EntriesFrom(first), Not(Contains("info: [HandleSaveLoadEvent] current profile [REV-8] could be found in Profiles; reapplying profile")));

		first = EntryCount();
		sim::run_frame();
		EXPECT_EQ(Profiles.size(), 3u);
		EXPECT_THAT(EntriesFrom(first), Contains("info: [HandleSaveLoadEvent] current profile [REV-8] could be found in Profiles; reapplying profile"));
	}

	// A game function that throws while a sink works: nothing reaches the
	// game's event loop, the next sink still gets the event, and the plugin
	// goes on as before (a frame in a vehicle runs, the next save reloads).
	TEST_F(Events, AFailingGameCallInASinkLetsTheGameGoOnNotifying)
	{
		struct Case
		{
			const char* what;
			sim::game::BSTEventSource& source;
			std::function<std::size_t()> send;
			const char* failing;
		};
		const Case cases[] = {
			{ "a save", world.events.saveLoad, [] { return sim::save_game(); }, "LookupSettingByName" },
			{ "the end credits closing", world.menus.ui.menuOpenCloseSource, [] { return sim::close_menu("EndGameCreditsMenu"); }, "LookupByID" },
		};
		world.references.player.fInVehicle = 1.0f;
		world.camera.vehicleState.vehicleViewMode = 1;
		sim::ListeningSink next;
		for (const auto& c : cases) {
			SCOPED_TRACE(c.what);
			next.listen_to(c.source);
			const auto received = next.received;
			AdvanceMs(3001);
			world.calls.clear();
			world.calls.fail_next(c.failing);
			EXPECT_EQ(c.send(), 2u);
			EXPECT_EQ(next.received, received + 1);
			EXPECT_FALSE(world.calls.of(c.failing).empty());

			EXPECT_EQ(sim::run_frame(), 0);
			AdvanceMs(3001);
			const auto first = EntryCount();
			sim::save_game();
			EXPECT_TRUE(Reloaded(first));
		}
	}
}
