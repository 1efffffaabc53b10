#include "Helpers/DialogueQueries.h"

#include "Classes/LookupREFRByHandle.h"
#include "RE/Natives.h"
#include "RE/NiPointer.h"
#include "RE/ReferenceHandleList.h"

bool IsTalking(RE::Actor* akActor)
{
	return akActor && RE::ActorNative::IsTalking(akActor);
}

std::int32_t IsInDialogueWithPlayerConsole(RE::TESObjectREFR** akRef, std::uint64_t, std::uint64_t, std::uint32_t* a_result)
{
	if (!akRef || !*akRef || !a_result) {
		return -1;
	}
	RE::ConsoleCommand::IsInDialogueWithPlayer(akRef, a_result);
	return *a_result != 0 ? 1 : 0;
}

bool IsInDialogueWithPlayer(RE::TESObjectREFR* akRef)
{
	if (!akRef) {
		return true;
	}
	std::uint32_t iResult = 0;
	return IsInDialogueWithPlayerConsole(&akRef, 0, 0, &iResult) == 1;
}

std::vector<RE::NiPointer<RE::TESObjectREFR>> GetCompanions()
{
	std::vector<RE::NiPointer<RE::TESObjectREFR>> companions;
	const auto* list = RE::ReferenceHandleList::GetSingleton();
	if (!list || list->size() == 0) {
		return companions;
	}
	// The count is read anew for every element: the game may change it.
	for (std::uint32_t i = 0; i < list->size(); ++i) {
		const std::uint32_t handle = list->handle(i);
		if (handle == 0 || handle == 1) {
			continue;
		}
		RE::NiPointer<RE::TESObjectREFR> counted;
		RE::LookupREFRByHandle(handle, counted);
		if (!counted) {
			continue;
		}
		// Kept by the reference that holds it; anything else is given back
		// at once.
		const auto* reference = counted.get();
		if (reference->GetFormID() != RE::kPlayerRefFormID && reference->IsActor()) {
			companions.push_back(std::move(counted));
		}
	}
	return companions;
}
