#pragma once
// The game's script and console functions the plugin calls directly. Script
// functions take a virtual machine and a stack ID first; the plugin passes
// none (null, 0). Their results are read from the low byte.
#include <cstdint>

#include "RE/IDs.h"
#include "RE/NiPointer.h"
#include "RE/TESObjectREFR.h"
#include "REL/ID.h"

namespace RE
{
	namespace ObjectReferenceNative
	{
		inline bool IsInScene(TESObjectREFR* a_ref)
		{
			using IsInScene_t = std::uint64_t (*)(void*, std::uint32_t, TESObjectREFR*);
			static const REL::Relocation<IsInScene_t> func{ IDs::ObjectReferenceNative::IsInScene };
			return static_cast<std::uint8_t>(func(nullptr, 0, a_ref)) != 0;
		}
	}

	namespace ActorNative
	{
		inline bool IsTalking(Actor* a_actor)
		{
			using IsTalking_t = std::uint64_t (*)(void*, std::uint32_t, Actor*);
			static const REL::Relocation<IsTalking_t> func{ IDs::ActorNative::IsTalking };
			return static_cast<std::uint8_t>(func(nullptr, 0, a_actor)) != 0;
		}

		// The vehicle the actor sits in, or null.
		inline TESObjectREFR* GetVehicle(Actor* a_actor)
		{
			using GetVehicle_t = TESObjectREFR* (*)(void*, std::uint32_t, Actor*);
			static const REL::Relocation<GetVehicle_t> func{ IDs::ActorNative::GetVehicle };
			return func(nullptr, 0, a_actor);
		}

		// Whether a_companion counts as a_player's passenger.
		inline bool PassengerTest(Actor* a_player, Actor* a_companion)
		{
			using PassengerTest_t = std::uint64_t (*)(void*, std::uint32_t, Actor*, Actor*);
			static const REL::Relocation<PassengerTest_t> func{ IDs::ActorNative::PassengerTest };
			return static_cast<std::uint8_t>(func(nullptr, 0, a_player, a_companion)) != 0;
		}

		// a_speaker starts its dialogue with a_target; the game's result
		// means nothing to the plugin.
		inline void InitiateDialogue(Actor* a_speaker, Actor* a_target)
		{
			using InitiateDialogue_t = std::uint64_t (*)(void*, std::uint32_t, Actor*, Actor*, std::uint32_t);
			static const REL::Relocation<InitiateDialogue_t> func{ IDs::ActorNative::InitiateDialogue };
			func(nullptr, 0, a_speaker, a_target, 0);
		}
	}

	namespace ConsoleCommand
	{
		// Writes into *a_result: 0.0 when the actor sits in no vehicle.
		inline void IsInVehicle(Actor** a_actor, float* a_result)
		{
			using IsInVehicle_t = std::uint64_t (*)(Actor**, std::uint64_t, std::uint64_t, float*);
			static const REL::Relocation<IsInVehicle_t> func{ IDs::ConsoleCommand::IsInVehicle };
			func(a_actor, 0, 0, a_result);
		}

		// Writes the answer into *a_result; its own return value means nothing
		// to the plugin.
		inline void IsInDialogueWithPlayer(TESObjectREFR** a_ref, std::uint32_t* a_result)
		{
			using IsInDialogueWithPlayer_t = std::uint64_t (*)(TESObjectREFR**, std::uint64_t, std::uint64_t, std::uint32_t*);
			static const REL::Relocation<IsInDialogueWithPlayer_t> func{ IDs::ConsoleCommand::IsInDialogueWithPlayer };
			func(a_ref, 0, 0, a_result);
		}
	}

	// Fills a_out with a counted reference for a_handle, or leaves it empty.
	inline void LookupREFRByHandleNative(const std::uint32_t& a_handle, NiPointer<TESObjectREFR>& a_out)
	{
		using Lookup_t = bool (*)(const std::uint32_t*, NiPointer<TESObjectREFR>*);
		static const REL::Relocation<Lookup_t> func{ IDs::LookupREFRByHandleNative };
		func(&a_handle, &a_out);
	}
}
