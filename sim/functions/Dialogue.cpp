#include <array>

#include "sim/code/Code.h"
#include "sim/functions/Areas.h"
#include "sim/functions/Rows.h"
#include "sim/world/World.h"

namespace sim
{
	namespace
	{
		using game::Actor;
		using game::TESObjectREFR;

		// The game's answers are a byte: what lies above it in rax is not
		// the answer, so the simulation puts something there.
		std::uint64_t IsInScene(void* a_vm, std::uint32_t a_stackID, TESObjectREFR* a_ref)
		{
			world().calls.record("IsInScene", a_vm, a_stackID, a_ref);
			const auto* actor = game::as_actor(a_ref);
			return 0xAB00 | (actor && actor->bInScene ? 1u : 0u);
		}

		std::uint64_t IsTalking(void* a_vm, std::uint32_t a_stackID, Actor* a_actor)
		{
			world().calls.record("IsTalking", a_vm, a_stackID, a_actor);
			return 0xCD00 | (a_actor && a_actor->bTalking ? 1u : 0u);
		}

		// Writes what the actor holds (any non-zero value is "yes"); its own
		// return value means nothing.
		std::uint64_t IsInDialogueWithPlayerConsole(TESObjectREFR** a_ref, std::uint64_t a_2, std::uint64_t a_3, std::uint32_t* a_result)
		{
			world().calls.record("IsInDialogueWithPlayer", a_ref, a_2, a_3, a_result);
			note_freed_use(a_ref ? *a_ref : nullptr);
			const auto* actor = game::as_actor(a_ref ? *a_ref : nullptr);
			if (actor && a_result) {
				*a_result = actor->uInDialogueWithPlayer ? actor->uInDialogueWithPlayer : (actor->bInDialogueWithPlayer ? 1 : 0);
			}
			return 0x77;
		}

		bool InitiateDialogue(void* a_vm, std::uint32_t a_stackID, Actor* a_speaker, Actor* a_target, std::uint32_t a_5)
		{
			world().calls.record("InitiateDialogue", a_vm, a_stackID, a_speaker, a_target, a_5);
			note_freed_use(a_speaker ? &a_speaker->ref : nullptr);
			return true;
		}
	}

	std::span<const GameItem> dialogue_rows()
	{
		using namespace RE::IDs;
		static const std::array rows{
			function_row(ObjectReferenceNative::IsInScene, &IsInScene),
			function_row(ActorNative::IsTalking, &IsTalking),
			function_row(ConsoleCommand::IsInDialogueWithPlayer, &IsInDialogueWithPlayerConsole),
			function_row(ActorNative::InitiateDialogue, &InitiateDialogue),
		};
		return rows;
	}
}

// The two idle-line functions the dialogue function calls at its sites.
extern "C"
{
	sim::game::TESTopicInfo* sim_DialogueFirstLine(std::uint64_t a1, std::int32_t a2, std::int32_t a3,
		sim::game::TESObjectREFR* akSpeaker, sim::game::TESObjectREFR* akTarget, std::uint64_t a6, std::uint64_t a7,
		std::uint64_t a8, std::uint64_t a9)
	{
		auto& world = sim::world();
		world.calls.record("FirstIdleLine", a1, a2, a3, akSpeaker, akTarget, a6, a7, a8, a9);
		world.dialogue.entryAlignments.push_back(sim_IdleLineEntryAlignment);
		return world.dialogue.firstLineResult;
	}

	std::uint64_t sim_DialogueSecondLine(std::uint64_t a1, sim::game::TESObjectREFR* akSpeaker, std::int32_t a3,
		std::int32_t a4, std::uint64_t a5, sim::game::TESObjectREFR* akTarget, char a7, sim::game::TESTopicInfo* a8,
		std::uint64_t a9)
	{
		auto& world = sim::world();
		world.calls.record("SecondIdleLine", a1, akSpeaker, a3, a4, a5, akTarget, a7, a8, a9);
		world.dialogue.entryAlignments.push_back(sim_IdleLineEntryAlignment);
		return world.dialogue.uSecondLineResult;
	}
}
