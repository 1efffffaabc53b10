#pragma once
// Questions about actors the dialogue hooks and the chatter hotkey ask
// before a line of dialogue starts. Null inputs are answered without asking
// the game.
#include <cstdint>
#include <vector>

#include "RE/NiPointer.h"
#include "RE/TESObjectREFR.h"

// Whether the actor is speaking; false for null.
bool IsTalking(RE::Actor* akActor);

// The console command's answer: 1 when the game writes a nonzero result, 0
// otherwise, -1 when a pointer (or the reference) is null. The two 64-bit
// values are not passed on.
std::int32_t IsInDialogueWithPlayerConsole(RE::TESObjectREFR** akRef, std::uint64_t a2, std::uint64_t a3, std::uint32_t* a_result);

// Whether the reference is in dialogue with the player; true for null, so
// that a caller holding back for dialogue also holds back without one.
bool IsInDialogueWithPlayer(RE::TESObjectREFR* akRef);

// The actors in the game's reference handle list, in list order, without the
// player and without non-actors. Counted references: an actor the game lets
// go meanwhile (a companion dismissed) stays alive until the caller is done
// with it and drops the list.
std::vector<RE::NiPointer<RE::TESObjectREFR>> GetCompanions();
