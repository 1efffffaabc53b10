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

		bool IsInScene(void* a_vm, std::uint32_t a_stackID, TESObjectREFR* a_ref)
		{
			world().calls.record("IsInScene", a_vm, a_stackID, a_ref);
			const auto* actor = game::as_actor(a_ref);
			return actor && actor->bInScene;
		}

		bool IsTalking(void* a_vm, std::uint32_t a_stackID, Actor* a_actor)
		{
			world().calls.record("IsTalking", a_vm, a_stackID, a_actor);
			return a_actor && a_actor->bTalking;
		}

		bool IsInDialogueWithPlayerConsole(TESObjectREFR** a_ref, std::uint64_t a_2, std::uint64_t a_3, std::uint32_t* a_result)
		{
			world().calls.record("IsInDialogueWithPlayer", a_ref, a_2, a_3, a_result);
			const auto* actor = game::as_actor(*a_ref);
			*a_result = actor && actor->bInDialogueWithPlayer ? 1 : 0;
			return true;
		}

		bool InitiateDialogue(void* a_vm, std::uint32_t a_stackID, Actor* a_speaker, Actor* a_target, std::uint32_t a_5)
		{
			world().calls.record("InitiateDialogue", a_vm, a_stackID, a_speaker, a_target, a_5);
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
		return world.dialogue.firstLineResult;
	}

	std::uint64_t sim_DialogueSecondLine(std::uint64_t a1, sim::game::TESObjectREFR* akSpeaker, std::int32_t a3,
		std::int32_t a4, std::uint64_t a5, sim::game::TESObjectREFR* akTarget, char a7, sim::game::TESTopicInfo* a8,
		std::uint64_t a9)
	{
		auto& world = sim::world();
		world.calls.record("SecondIdleLine", a1, akSpeaker, a3, a4, a5, akTarget, a7, a8, a9);
		return world.dialogue.uSecondLineResult;
	}
}
