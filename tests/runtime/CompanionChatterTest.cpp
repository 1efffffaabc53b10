#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "Runtime/Update3DVFuncStruct.h"
#include "RuntimeTest.h"
#include "Settings/Profiles.h"
#include "State/GameData.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;

	constexpr std::int64_t kMillisecond = 1'000'000;
	const std::string HotkeyDown = "Hotkey (a0) is down";

	std::string Initiating(const sim::game::Actor& a_actor)
	{
		return fmt::format("initiating dialogue | PassengerCompanion [{:X} | {:08X}]", reinterpret_cast<std::uintptr_t>(&a_actor), a_actor.ref.form.formID);
	}

	class CompanionChatter : public test::RuntimeTest
	{
	protected:
		CompanionChatter() :
			mira(AddPassenger(0x00A1)),
			startedAt(world.time.iSteadyNanoseconds)
		{
			HoldKey(0xA0);
		}

		// The companions the game was asked to start a dialogue for.
		std::vector<std::uint64_t> Speakers() const
		{
			std::vector<std::uint64_t> speakers;
			for (const auto& call : world.calls.of("InitiateDialogue")) {
				speakers.push_back(call.arguments.at(2));
			}
			return speakers;
		}

		sim::game::Actor& mira;
		std::int64_t startedAt;
	};

	TEST_F(CompanionChatter, ARidingCompanionStartsItsDialogueWithThePlayer)
	{
		Update3DVFuncStruct::EvaluateCompanionChatter();

		const auto calls = world.calls.of("InitiateDialogue");
		ASSERT_EQ(calls.size(), 1u);
		EXPECT_EQ(calls[0].arguments, (std::vector<std::uint64_t>{ 0, 0, sim::widen(&mira), sim::widen(&world.references.player), 0 }));
		EXPECT_EQ(CompanionChatterClock, startedAt);
		EXPECT_THAT(LinesOf("EvaluateCompanionChatter"), ElementsAre(HotkeyDown, Initiating(mira)));
	}

	// The game lets go of a companion the player dismisses: our counted
	// references keep her alive until the dialogue has started.
	TEST_F(CompanionChatter, ADismissedCompanionIsHeldUntilHerDialogueHasStarted)
	{
		mira.ref.bFreedOnLastRelease = true;
		Update3DVFuncStruct::EvaluateCompanionChatter();

		EXPECT_THAT(Speakers(), ElementsAre(sim::widen(&mira)));
		EXPECT_THAT(world.calls.of("freed reference used"), IsEmpty());
		EXPECT_TRUE(mira.ref.bFreed);
	}

	TEST_F(CompanionChatter, TheIntervalCountsFromTheLastStartedDialogue)
	{
		struct Step
		{
			std::int64_t after;  // since the last started dialogue
			bool starts;
			std::string line;
		};
		const std::vector<Step> steps{
			{ 500 * kMillisecond, false, "can't initiate dialogue | elapsed time since last hotkey press (500) is lower than the minimum required time" },
			{ 1'000'900'000, false, "can't initiate dialogue | elapsed time since last hotkey press (1000) is lower than the minimum required time" },
			{ 1'001 * kMillisecond, true, Initiating(mira) },
			{ 1'000 * kMillisecond, false, "can't initiate dialogue | elapsed time since last hotkey press (1000) is lower than the minimum required time" },
		};
		CompanionChatterClock = startedAt;
		std::int64_t last = startedAt;
		std::size_t started = 0;
		for (const auto& step : steps) {
			world.time.iSteadyNanoseconds = last + step.after;
			Update3DVFuncStruct::EvaluateCompanionChatter();
			EXPECT_EQ(LinesOf("EvaluateCompanionChatter").back(), step.line);
			if (step.starts) {
				++started;
				last = world.time.iSteadyNanoseconds;
			}
			EXPECT_EQ(CompanionChatterClock, last);
			EXPECT_EQ(Speakers().size(), started);
		}
	}

	// One gate that stops the pass: how to close it, and the line it leaves.
	struct Gate
	{
		const char* title;
		std::function<void(sim::World&, sim::game::Actor&)> close;
		std::string line;  // "" for a pass that logs nothing at all
		const char* level = "info";
	};
	void PrintTo(const Gate& a_case, std::ostream* a_out) { *a_out << a_case.title; }

	class ChatterGates : public CompanionChatter, public testing::WithParamInterface<Gate>
	{
	};

	TEST_P(ChatterGates, StopThePassWithTheirOwnLine)
	{
		const auto& gate = GetParam();
		gate.close(world, mira);
		Update3DVFuncStruct::EvaluateCompanionChatter();

		EXPECT_THAT(Speakers(), IsEmpty());
		EXPECT_EQ(CompanionChatterClock, 0);
		if (gate.line.empty()) {
			EXPECT_THAT(Entries(), IsEmpty());
		} else {
			EXPECT_THAT(Entries(), ElementsAre(fmt::format("info: [EvaluateCompanionChatter] {}", HotkeyDown), fmt::format("{}: [EvaluateCompanionChatter] can't initiate dialogue | {}", gate.level, gate.line)));
		}
	}

	// In the order the gates are tested: each case closes one and leaves the
	// later ones open.
	INSTANTIATE_TEST_SUITE_P(InOrder, ChatterGates, testing::Values(Gate{ "switched_off", [](auto&, auto&) { CurrentProfile.bCompanionChatter = false; }, "" }, Gate{ "key_up", [](auto& w, auto&) { w.input.bKeyDown[0xA0] = false; }, "" }, Gate{ "hotkey_out_of_range", [](auto&, auto&) { CurrentProfile.iCompanionChatterHotkey = 0x1A0; }, "" }, Gate{ "no_companions", [](auto& w, auto&) { w.references.handleList.count = 0; }, "Companions.size == 0", "error" }, Gate{ "slowed", [](auto& w, auto& m) { w.time.fGlobalTimeMultiplier = 0.2f; m.bInCombat = true; }, "GetGlobalTimeMultiplier" }, Gate{ "player_in_combat", [](auto& w, auto&) { w.references.player.bInCombat = true; w.menus.open.insert("DialogueMenu"); }, "Player is in combat" }, Gate{ "dialogue_menu", [](auto& w, auto&) { w.menus.open.insert("DialogueMenu"); w.menus.open.insert("FavoritesMenu"); }, "DialogueMenu is open" }, Gate{ "favorites_menu", [](auto& w, auto&) { w.menus.open.insert("FavoritesMenu"); }, "FavoritesMenu is open" }, Gate{ "no_form_match", [](auto&, auto& m) { m.checkForms.clear(); }, "PassengerCompanion is nullptr" }, Gate{ "not_in_vehicle", [](auto&, auto& m) { m.fInVehicle = 0.0f; }, "PassengerCompanion is nullptr" }, Gate{ "in_dialogue", [](auto&, auto& m) { m.bInDialogueWithPlayer = true; }, "PassengerCompanion is nullptr" }, Gate{ "not_a_passenger", [](auto&, auto& m) { m.bPassenger = false; }, "PassengerCompanion is nullptr" }, Gate{ "no_player", [](auto&, auto&) { PlayerRef = nullptr; }, "PassengerCompanion is nullptr" }, Gate{ "passenger_in_combat", [](auto&, auto& m) { m.bInCombat = true; }, "PassengerCompanion is in combat" }),
		[](const testing::TestParamInfo<Gate>& a_info) { return std::string(a_info.param.title); });

	TEST_F(CompanionChatter, TheLastQualifyingCompanionIsChosen)
	{
		auto& sam = AddPassenger(0x00B2);
		sam.checkForms = { form3BD86 };  // the second form qualifies as well
		auto& idle = AddPassenger(0x00C3);
		idle.fInVehicle = 0.0f;  // later in the list, but not riding
		world.references.add_handle(nullptr);

		Update3DVFuncStruct::EvaluateCompanionChatter();

		EXPECT_THAT(Speakers(), ElementsAre(sim::widen(&sam)));
		// Every companion was tried, in list order, before choosing.
		std::vector<std::uint64_t> tested;
		for (const auto& call : world.calls.of("PassengerTest")) {
			tested.push_back(call.arguments.at(3));
		}
		EXPECT_THAT(tested, ElementsAre(sim::widen(&mira), sim::widen(&sam)));
	}

	TEST_F(CompanionChatter, AFormTheGameLacksIsNeverAskedAbout)
	{
		Form23C01 = nullptr;  // neither form was found at capture
		Form3BD86 = nullptr;
		mira.checkForms.push_back(nullptr);  // a game that would say yes to a null form
		Update3DVFuncStruct::EvaluateCompanionChatter();

		EXPECT_THAT(Speakers(), IsEmpty());
		EXPECT_THAT(world.calls.of("Actor::CheckForm"), IsEmpty());
	}

	TEST_F(CompanionChatter, WrappersAnswerWithoutTheGameForNulls)
	{
		auto* miraActor = reinterpret_cast<RE::Actor*>(&mira);
		EXPECT_EQ(Update3DVFuncStruct::IsInVehicle(nullptr), -1.0f);
		mira.fInVehicle = 2.0f;
		EXPECT_EQ(Update3DVFuncStruct::IsInVehicle(miraActor), 2.0f);
		EXPECT_FALSE(Update3DVFuncStruct::PassengerTest(nullptr));
		Update3DVFuncStruct::InitiateDialogue(nullptr);
		PlayerRef = nullptr;
		EXPECT_FALSE(Update3DVFuncStruct::PassengerTest(miraActor));
		Update3DVFuncStruct::InitiateDialogue(miraActor);

		EXPECT_THAT(world.calls.names(), ElementsAre("IsInVehicle"));
	}
}
