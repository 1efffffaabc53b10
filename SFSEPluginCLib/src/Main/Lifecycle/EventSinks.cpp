#include "Lifecycle/EventSinks.h"

#include <string_view>

#include "Helpers/MenuQueries.h"
#include "Lifecycle/SaveLoadEvent.h"
#include "RE/Offsets.h"
#include "RE/UI.h"
#include "Settings/Logging.h"
#include "State/GameData.h"
#include "State/MenuState.h"
#include "State/ReloadRequests.h"

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
		const bool bOpening = a_event.IsOpening();
		NoteMenuOpenClose(menuName, bOpening);
		if (!bOpening && !menuName.empty() && menuName == "EndGameCreditsMenu") {
			LOG_INFO("EndGameCreditsMenu closed, reinstalling");
			// The INI thread reads; the game data is captured anew by the
			// runtime work that puts the files in force.
			RequestReload(kReloadForCredits);
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
	// The UI object's source of menu events lies at 0x10 of it. From here on
	// the events tell which menus open and close; the game is asked once
	// for the ones open already.
	if (auto* ui = GetUIToAsk()) {
		RE::detail::address_at<RE::BSTEventSource<RE::MenuOpenCloseEvent>>(ui, 0x10)->RegisterSink(&TarmacorMenuOpenCloseEvent);
		AskGameWhichMenusAreOpen(ui);
	}
}
