#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>

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
		sim::Form& mira = world.forms.add_actor("Mira", 0x0001A2B3);
	};

	TEST_F(DialogueQueriesTest, TalkingIsTheLowByteOfTheGamesAnswerAndNullIsNeverAsked)
	{
		EXPECT_FALSE(IsTalking(AsActor(mira)));
		mira.talking = true;
		EXPECT_TRUE(IsTalking(AsActor(mira)));
		EXPECT_FALSE(IsTalking(nullptr));
		EXPECT_THAT(world.dialogue.talkingQuestions, ElementsAre(0x1A2B3u, 0x1A2B3u));
	}

	TEST_F(DialogueQueriesTest, DialogueWithThePlayerByTheConsoleCommand)
	{
		auto* ref = AsRef(mira);
		std::uint32_t result = 0;
		for (const std::uint32_t written : { 0u, 1u, 2u, 0xFFFFFFFFu }) {
			mira.dialogueWithPlayer = written;
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
		EXPECT_EQ(world.dialogue.dialogueQuestions.size(), 8u);
	}

	TEST_F(DialogueQueriesTest, HandleLookupNeedsAHandleAndAnEmptyPointer)
	{
		world.dialogue.add_handle(0x100, &mira);
		RE::NiPointer<RE::TESObjectREFR> counted;
		RE::LookupREFRByHandle(0, counted);
		EXPECT_FALSE(counted);

		RE::LookupREFRByHandle(0x100, counted);
		ASSERT_TRUE(counted);
		EXPECT_EQ(counted.get(), AsRef(mira));
		EXPECT_EQ(mira.references, 1);

		RE::LookupREFRByHandle(0x100, counted);  // already filled: untouched
		EXPECT_EQ(mira.references, 1);
		counted.reset();
		EXPECT_EQ(mira.references, 0);

		RE::LookupREFRByHandle(0x999, counted);  // the game knows no such reference
		EXPECT_FALSE(counted);
		EXPECT_THAT(world.dialogue.handleLookups, ElementsAre(0x100u, 0x999u));
		EXPECT_THAT(Entries(), ElementsAre("error: [LookupREFRByHandle] function parameter error", "error: [LookupREFRByHandle] function parameter error"));
	}

	TEST_F(DialogueQueriesTest, CompanionsAreTheActorsInTheHandleListButThePlayer)
	{
		auto& player = world.forms.add_actor("Player", 0x14);
		auto& crate = world.forms.add_reference(0x00ABCDEF, sim::kActivatorFormType, nullptr);
		auto& kai = world.forms.add_actor("Kai", 0x0002B3C4);
		auto& gone = world.forms.add_actor("Gone", 0x0003C4D5);
		gone.loaded = false;
		world.dialogue.add_handle(0, &mira);  // 0 and 1 are never looked up
		world.dialogue.add_handle(1, &mira);
		world.dialogue.add_handle(0x10, &player);
		world.dialogue.add_handle(0x11, &crate);
		world.dialogue.add_handle(0x12, &mira);
		world.dialogue.add_handle(0x13, nullptr);
		world.dialogue.add_handle(0x14, &gone);
		world.dialogue.add_handle(0x15, &kai);

		EXPECT_THAT(GetCompanions(), ElementsAre(AsRef(mira), AsRef(kai)));
		EXPECT_THAT(world.dialogue.handleLookups, ElementsAre(0x10u, 0x11u, 0x12u, 0x13u, 0x14u, 0x15u));
		// Every counted reference taken is given back.
		EXPECT_EQ(world.dialogue.releases, 4);
		for (const auto* form : { &mira, &player, &crate, &kai, &gone }) {
			EXPECT_EQ(form->references, 0) << std::hex << form->id();
		}
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(DialogueQueriesTest, AMissingOrEmptyHandleListHasNoCompanions)
	{
		EXPECT_THAT(GetCompanions(), IsEmpty());
		world.remove_handle_list();
		EXPECT_THAT(GetCompanions(), IsEmpty());
		EXPECT_THAT(world.dialogue.handleLookups, IsEmpty());
	}
}
