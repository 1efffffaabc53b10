#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "GameSession.h"
#include "Lifecycle/EventSinks.h"
#include "Lifecycle/Reloads.h"
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
		ASSERT_TRUE(WaitForReloads());
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
		ASSERT_TRUE(WaitForReloads());
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
			// The first case's reload puts the file's switch in force.
			ASSERT_TRUE(WaitForReloads());
			const auto entries = EntriesFrom(first);
			EXPECT_EQ(std::count(entries.begin(), entries.end(), "info: [HandleSaveLoadEvent] String values can be tested now"), c.bWritten ? 1 : 0);
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
		ASSERT_TRUE(WaitForReloads());
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

	// The INI thread reads while another thread holds the runtime; what it
	// read waits for a game thread, and a frame puts it in force.
	TEST_F(Events, AReloadThatFindsTheRuntimeBusyIsPutInForceByAFrame)
	{
		SaveCurrentProfile(1);
		WritePluginFile("Tarmacor.ini", test::Ini({ "[Default]", "[REV-8]", "[Rover]", "[Global]", "bLogging=1" }));
		const auto first = EntryCount();
		const std::string reapplying = "info: [HandleSaveLoadEvent] current profile [REV-8] could be found in Profiles; reapplying profile";
		const std::string read = "info: [ReloadAllProfilesAndSettings] adding Profile [Rover] from VanillaINI to Profiles | Profiles.size == 2";
		{
			const RuntimeHeldElsewhere busy;
			sim::load_game();
			ASSERT_TRUE(test::WaitUntil([&] {
				const auto entries = log.entries();
				return std::count(entries.begin(), entries.end(), read) == 1;
			}));
			EXPECT_EQ(Profiles.size(), 2u);
		}
		ASSERT_TRUE(test::WaitUntil([&] {
			sim::run_frame();
			return Profiles.size() == 3u;
		}));
		EXPECT_THAT(EntriesFrom(first), Contains(reapplying));
		ASSERT_TRUE(WaitForReloads());
	}

	// Two reads, the installation's and the INI thread's, may overlap: the
	// files read first are never put in force after those read later.
	TEST_F(Events, AnOlderReadIsNeverPutInForceAfterANewerOne)
	{
		auto older = ReadProfilesAndSettings(ReloadKind::kRefresh);
		WritePluginFile("Tarmacor.ini", test::Ini({ "[Default]", "[REV-8]", "[Rover]", "[Global]", "bLogging=1" }));
		auto newer = ReadProfilesAndSettings(ReloadKind::kRefresh);
		const RuntimeLock lock;
		ASSERT_TRUE(lock);
		EXPECT_TRUE(InstallIfNewer(newer));
		EXPECT_FALSE(InstallIfNewer(older));
		EXPECT_EQ(Profiles.size(), 3u);
	}

	// A game function that throws: on a sink's own thread (the main menu
	// question, the player's reference lock), nothing reaches the game's event
	// loop and the next sink still gets the event; in the work the credits
	// leave for the runtime (the capture's form lookup), the work alone
	// stops. Either way the plugin goes on: the next save puts the files in
	// force, and a frame in a vehicle runs.
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
			{ "the main menu question of a save", world.events.saveLoad, [] { return sim::save_game(); }, "IsMenuOpen" },
			{ "the player's 3D after a save", world.events.saveLoad, [] { return sim::save_game(); }, "ReferenceLock::Lock" },
			{ "the capture after the end credits", world.menus.ui.menuOpenCloseSource, [] { return sim::close_menu("EndGameCreditsMenu"); }, "LookupByID" },
		};
		world.references.player.fInVehicle = 1.0f;
		world.camera.vehicleState.vehicleViewMode = 1;
		sim::ListeningSink nextAfterSaves;
		sim::ListeningSink nextAfterMenus;
		nextAfterSaves.listen_to(world.events.saveLoad);
		nextAfterMenus.listen_to(world.menus.ui.menuOpenCloseSource);
		int profiles = 2;
		for (const auto& c : cases) {
			SCOPED_TRACE(c.what);
			auto& next = &c.source == &world.events.saveLoad ? nextAfterSaves : nextAfterMenus;
			const auto received = next.received;
			AdvanceMs(3001);
			world.calls.clear();
			world.calls.fail_next(c.failing);
			EXPECT_EQ(c.send(), 2u);
			ASSERT_TRUE(WaitForReloads());
			EXPECT_EQ(next.received, received + 1);
			EXPECT_FALSE(world.calls.of(c.failing).empty());

			// One profile more in the file, in force after the next save.
			std::string file = "[Default]\r\n";
			for (int i = 1; i <= profiles; ++i) {
				file += "[Vehicle-" + std::to_string(i) + "]\r\n";
			}
			WritePluginFile("Tarmacor.ini", file + "[Global]\r\nbLogging=1\r\n");
			AdvanceMs(3001);
			const auto saved = nextAfterSaves.received;
			sim::save_game();
			EXPECT_EQ(nextAfterSaves.received, saved + 1);
			ASSERT_TRUE(WaitForReloads());
			ASSERT_EQ(Profiles.size(), static_cast<std::size_t>(profiles + 1));
			EXPECT_EQ(Profiles.back().sProfileName, "Vehicle-" + std::to_string(profiles));
			++profiles;
			world.calls.clear();
			sim::run_frame();
			EXPECT_FALSE(world.calls.of("IsInVehicle").empty()) << "a frame in a vehicle runs the runtime";
		}
	}
}
