#include "Runtime/Update3DVFuncStruct.h"

#include <cstdint>
#include <vector>

#include "Helpers/DialogueQueries.h"
#include "Helpers/FormNames.h"
#include "Helpers/MenuQueries.h"
#include "RE/TESObjectREFR.h"
#include "RE/TimeMultiplier.h"
#include "Runtime/Hotkeys.h"
#include "Runtime/SteadyClock.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"
#include "State/GameData.h"

namespace
{
	// The interval counts from the last dialogue started (or from the
	// installation), not from the last key press.
	constexpr std::int64_t MinimumChatterIntervalNs = 1'001'000'000;
	constexpr std::int64_t NanosecondsPerMillisecond = 1'000'000;

	bool IsInCombat(const RE::Actor* akActor)
	{
		return akActor && akActor->IsInCombat();
	}

	// A form the game didn't have at capture is never asked about.
	bool MatchesCapturedForm(RE::Actor* akActor, RE::TESForm* a_form)
	{
		return a_form && akActor->CheckForm(a_form);
	}

	bool IsQualifyingPassenger(RE::Actor* akCompanion)
	{
		return akCompanion &&
			(MatchesCapturedForm(akCompanion, Form23C01) || MatchesCapturedForm(akCompanion, Form3BD86)) &&
			Update3DVFuncStruct::IsInVehicle(akCompanion) != 0.0f &&
			!IsInDialogueWithPlayer(akCompanion) &&
			Update3DVFuncStruct::PassengerTest(akCompanion);
	}

	// The last qualifying companion in list order: the search doesn't stop
	// at the first.
	RE::Actor* FindPassengerCompanion(const std::vector<RE::NiPointer<RE::TESObjectREFR>>& a_companions)
	{
		RE::Actor* passenger = nullptr;
		for (const auto& companion : a_companions) {
			auto* actor = static_cast<RE::Actor*>(companion.get());
			if (IsQualifyingPassenger(actor)) {
				passenger = actor;
			}
		}
		return passenger;
	}
}

void Update3DVFuncStruct::EvaluateCompanionChatter()
{
	const auto& profile = CurrentProfile;
	if (!profile.bCompanionChatter || !IsHotkeyDown(profile.iCompanionChatterHotkey)) {
		return;
	}
	LOG_INFO("Hotkey (", fmt::format("{:x}", profile.iCompanionChatterHotkey), ") is down");

	const auto now = GetSteadyClockNanoseconds();
	const auto elapsed = now - CompanionChatterClock;
	if (elapsed < MinimumChatterIntervalNs) {
		LOG_INFO("can't initiate dialogue | elapsed time since last hotkey press (", elapsed / NanosecondsPerMillisecond,
			") is lower than the minimum required time");
		return;
	}

	// Held until the dialogue has started: every question below is about
	// an actor our references keep alive.
	const auto companions = GetCompanions();
	if (companions.empty()) {
		LOG_ERROR("can't initiate dialogue | Companions.size == 0");
		return;
	}
	// Refused while the slow-time effect holds the game slowed.
	if (RE::GetGlobalTimeMultiplier() != 1.0f) {
		LOG_INFO("can't initiate dialogue | GetGlobalTimeMultiplier");
		return;
	}
	if (IsInCombat(PlayerRef)) {
		LOG_INFO("can't initiate dialogue | Player is in combat");
		return;
	}
	if (IsMenuOpen(UIRef, "DialogueMenu")) {
		LOG_INFO("can't initiate dialogue | DialogueMenu is open");
		return;
	}
	if (IsMenuOpen(UIRef, "FavoritesMenu")) {
		LOG_INFO("can't initiate dialogue | FavoritesMenu is open");
		return;
	}

	auto* passenger = FindPassengerCompanion(companions);
	if (!passenger) {
		LOG_INFO("can't initiate dialogue | PassengerCompanion is nullptr");
		return;
	}
	if (passenger->IsInCombat()) {
		LOG_INFO("can't initiate dialogue | PassengerCompanion is in combat");
		return;
	}

	LOG_INFO("initiating dialogue | PassengerCompanion ", GetFormDescription(passenger, false, false));
	CompanionChatterClock = now;
	InitiateDialogue(passenger);
}
