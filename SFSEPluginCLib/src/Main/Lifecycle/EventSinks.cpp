#include "Lifecycle/EventSinks.h"

#include <mutex>
#include <string_view>

#include "Lifecycle/GameData.h"
#include "Lifecycle/InitializeGameData.h"
#include "Lifecycle/SaveLoadEvent.h"
#include "Lifecycle/SharedState.h"
#include "RE/Offsets.h"
#include "RE/UI.h"
#include "Runtime/MenuQueries.h"
#include "Settings/Logging.h"
#include "Settings/ProfileDump.h"
#include "Settings/ProfileLoading.h"

TarmacorSaveLoadEventClass TarmacorSaveLoadEvent;
TarmacorMenuOpenCloseEventClass TarmacorMenuOpenCloseEvent;

RE::BSEventNotifyControl TarmacorSaveLoadEventClass::ProcessEvent(const Events::SaveLoadEvent&, RE::BSTEventSource<Events::SaveLoadEvent>*)
{
	// Nothing may unwind into the game's event loop.
	try {
		if (!IsMenuOpen(GetUIToAsk(), "MainMenu")) {
			HandleSaveLoadEvent();
		}
	} catch (...) {
	}
	return RE::BSEventNotifyControl::kContinue;
}

RE::BSEventNotifyControl TarmacorMenuOpenCloseEventClass::ProcessEvent(const RE::MenuOpenCloseEvent& a_event, RE::BSTEventSource<RE::MenuOpenCloseEvent>*)
{
	try {
		const std::string_view menuName = a_event.MenuName();
		if (!a_event.IsOpening() && !menuName.empty() && menuName == "EndGameCreditsMenu") {
			LOG_INFO("EndGameCreditsMenu closed, reinstalling");
			const std::lock_guard lock(SharedStateMutex);
			ReloadAllProfilesAndSettings(false);
			InitializeGameData();
			DumpAllProfiles();
		}
	} catch (...) {
	}
	return RE::BSEventNotifyControl::kContinue;
}

void RegisterEventSinks()
{
	if (auto* source = Events::SaveLoadEvent::GetEventSource()) {
		source->RegisterSink(&TarmacorSaveLoadEvent);
	}
	// The UI object's source of menu events lies at 0x10 of it.
	if (auto* ui = GetUIToAsk()) {
		RE::detail::address_at<RE::BSTEventSource<RE::MenuOpenCloseEvent>>(ui, 0x10)->RegisterSink(&TarmacorMenuOpenCloseEvent);
	}
}
