#pragma once
// The per-frame hook and the vehicle runtime it drives. The game asks every
// fade node which visibility state it wants; for the player's own 3D, while
// the player sits in a vehicle in an exterior, the hook runs the runtime in
// this order: profile switch, rear view (first-person view only), slow time,
// companion chatter. The runtime runs on a frame's thread holding
// RuntimeMutex (State/SharedState.h), which it only ever tries.
#include <cstdint>

namespace RE
{
	class Actor;
	class BSFadeNode;
	class NiAVObject;
}

// The rear view: 0 inactive (the profile's yaw limit), 1 shown (yaw -180),
// 2 released (yaw 0.0 for one pass before the profile's limit returns). The
// hook puts it back to 0 outside the first-person vehicle view, on any node:
// loaded and stored whole.
extern std::int32_t RearViewState;

struct Update3DVFuncStruct
{
	// The state to hand on to the game's own function: 0 for the player's
	// node after a full pass of the runtime, the game's own state otherwise.
	static std::uint8_t GetDesiredVisibilityState(RE::BSFadeNode* a_node, std::uint8_t visibilityState);
	// The player's root scene node, read under the player's reference lock;
	// null without a player.
	static RE::NiAVObject* GetPlayer3D();
	// The same for a_player (null: none).
	static RE::NiAVObject* GetPlayer3DOf(RE::Actor* a_player);

	// Makes the profile named after the driven vehicle current and applies
	// it, once per change of vehicle; the first profile stands in for a
	// vehicle without one.
	static void UpdateCurrentProfile();
	// Each press of the view hotkey applies the next view of the active
	// profile (CycleView.h); only in the first-person view, but the key is
	// read on every pass, so that a press elsewhere is no press later.
	static void EvaluateCycleView(bool a_bFirstPerson);
	// True on a pass in which the rear-view hotkey is held.
	static bool EvaluateRearView();
	// True on the pass in which the slow multiplier was just applied.
	static bool EvaluateSlowTimeEffect();
	// Lets the riding companion start a conversation on the hotkey, at most
	// once per 1001 ms.
	static void EvaluateCompanionChatter();

	// The game's answer; 0.0 when the actor sits in no vehicle, -1.0 for a
	// null actor.
	static float IsInVehicle(RE::Actor* akActor);
	// Whether the companion rides as the player's passenger; false without
	// asking when either is null.
	static bool PassengerTest(RE::Actor* akCompanion);
	// The companion starts its dialogue with the player; nothing when either
	// is null.
	static void InitiateDialogue(RE::Actor* akCompanion);
};
