#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "Classes/LookupREFRByHandle.h"
#include "GameTest.h"
#include "Helpers/DialogueQueries.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;

	class DialogueQueriesTest : public test::GameTest
	{
	protected:
		sim::game::Actor& mira = AddActor("Mira", 0x0001A2B3);

		// The argument a_argument of each call of a_function, in order.
		std::vector<std::uint64_t> Asked(std::string_view a_function, std::size_t a_argument) const
		{
			std::vector<std::uint64_t> asked;
			for (const auto& call : world.calls.of(a_function)) {
				asked.push_back(call.arguments.at(a_argument));
			}
			return asked;
		}

		static std::uint64_t At(const void* a_object) { return reinterpret_cast<std::uintptr_t>(a_object); }

		// The companions, given back at once.
		static std::vector<RE::TESObjectREFR*> Companions()
		{
			std::vector<RE::TESObjectREFR*> companions;
			for (const auto& companion : GetCompanions()) {
				companions.push_back(companion.get());
			}
			return companions;
		}
	};

	TEST_F(DialogueQueriesTest, TalkingIsTheLowByteOfTheGamesAnswerAndNullIsNeverAsked)
	{
		EXPECT_FALSE(IsTalking(AsActor(mira)));
		mira.bTalking = true;
		EXPECT_TRUE(IsTalking(AsActor(mira)));
		EXPECT_FALSE(IsTalking(nullptr));
		EXPECT_THAT(Asked("IsTalking", 2), ElementsAre(At(&mira), At(&mira)));
	}

	TEST_F(DialogueQueriesTest, DialogueWithThePlayerByTheConsoleCommand)
	{
		auto* ref = AsRef(mira);
		std::uint32_t result = 0;
		for (const std::uint32_t written : { 0u, 1u, 2u, 0xFFFFFFFFu }) {
			mira.uInDialogueWithPlayer = written;
			result = 0;
			EXPECT_EQ(IsInDialogueWithPlayerConsole(&ref, 7, 8, &result), written != 0 ? 1 : 0) << written;
			EXPECT_EQ(IsInDialogueWithPlayer(ref), written != 0) << written;
		}
		RE::TESObjectREFR* none = nullptr;
		EXPECT_EQ(IsInDialogueWithPlayerConsole(nullptr, 0, 0, &result), -1);
		EXPECT_EQ(IsInDialogueWithPlayerConsole(&none, 0, 0, &result), -1);
		EXPECT_EQ(IsInDialogueWithPlayerConsole(&ref, 0, 0, nullptr), -1);
		// No reference counts as in dialogue, so that callers hold back.
		EXPECT_TRUE(IsInDialogueWithPlayer(nullptr));
		EXPECT_EQ(world.calls.of("IsInDialogueWithPlayer").size(), 8u);
	}

	TEST_F(DialogueQueriesTest, HandleLookupNeedsAHandleAndAnEmptyPointer)
	{
		world.references.add_handle(0x100, &mira.ref);
		RE::NiPointer<RE::TESObjectREFR> counted;
		RE::LookupREFRByHandle(0, counted);
		EXPECT_FALSE(counted);

		RE::LookupREFRByHandle(0x100, counted);
		ASSERT_TRUE(counted);
		EXPECT_EQ(counted.get(), AsRef(mira));
		EXPECT_EQ(mira.ref.iCountedReferences, 1);

		RE::LookupREFRByHandle(0x100, counted);  // already filled: untouched
		EXPECT_EQ(mira.ref.iCountedReferences, 1);
		counted.reset();
		EXPECT_EQ(mira.ref.iCountedReferences, 0);

		RE::LookupREFRByHandle(0x999, counted);  // the game knows no such reference
		EXPECT_FALSE(counted);
		EXPECT_THAT(Asked("LookupREFRByHandleNative", 0), ElementsAre(0x100u, 0x999u));
		EXPECT_THAT(Entries(), ElementsAre("error: [LookupREFRByHandle] function parameter error", "error: [LookupREFRByHandle] function parameter error"));
	}

	TEST_F(DialogueQueriesTest, CompanionsAreTheActorsInTheHandleListButThePlayer)
	{
		auto& player = world.references.player.ref;
		auto& crate = world.references.add_reference(0x00ABCDEF, sim::kActivatorFormType, nullptr);
		auto& kai = AddActor("Kai", 0x0002B3C4);
		auto& gone = AddActor("Gone", 0x0003C4D5);
		gone.ref.form.bUnloaded = true;
		auto& handles = world.references;
		handles.add_handle(0, &mira.ref);  // 0 and 1 are never looked up
		handles.add_handle(1, &mira.ref);
		handles.add_handle(0x10, &player);
		handles.add_handle(0x11, &crate);
		handles.add_handle(0x12, &mira.ref);
		handles.add_handle(0x13, nullptr);
		handles.add_handle(0x14, &gone.ref);
		handles.add_handle(0x15, &kai.ref);

		EXPECT_THAT(Companions(), ElementsAre(AsRef(mira), AsRef(kai)));
		EXPECT_THAT(Asked("LookupREFRByHandleNative", 0), ElementsAre(0x10u, 0x11u, 0x12u, 0x13u, 0x14u, 0x15u));
		// Every counted reference taken is given back.
		EXPECT_EQ(world.calls.of("TESObjectREFR::Release").size(), 4u);
		for (const auto* ref : { &mira.ref, &player, &crate, &kai.ref, &gone.ref }) {
			EXPECT_EQ(ref->iCountedReferences, 0) << std::hex << ref->form.formID;
		}
		EXPECT_THAT(Entries(), IsEmpty());
	}

	// The game lets a dismissed companion go: our references keep it alive
	// while the list lives, and are given back with it.
	TEST_F(DialogueQueriesTest, ACompanionStaysCountedUntilTheListIsDropped)
	{
		auto& dismissed = AddActor("Dismissed", 0x0004D5E6);
		dismissed.ref.bFreedOnLastRelease = true;
		world.references.add_handle(0x10, &dismissed.ref);
		{
			const auto companions = GetCompanions();
			ASSERT_EQ(companions.size(), 1u);
			EXPECT_EQ(companions[0].get(), AsRef(dismissed));
			EXPECT_EQ(dismissed.ref.iCountedReferences, 1);
			EXPECT_EQ(dismissed.ref.form.formID, 0x0004D5E6u);
		}
		EXPECT_EQ(dismissed.ref.iCountedReferences, 0);
	}

	TEST_F(DialogueQueriesTest, AMissingOrEmptyHandleListHasNoCompanions)
	{
		EXPECT_THAT(Companions(), IsEmpty());
		world.references.handleListGlobal = nullptr;
		EXPECT_THAT(Companions(), IsEmpty());
		EXPECT_THAT(world.calls.of("LookupREFRByHandleNative"), IsEmpty());
	}
}
