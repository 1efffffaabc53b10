#pragma once
// The two sinks the game calls when a game is saved or loaded and when a
// menu opens or closes. The game calls them through their virtual tables in
// its own order: slot 0 the destructor, slot 1 ProcessEvent.
#include "RE/BSTEvent.h"

class TarmacorSaveLoadEventClass final : public RE::BSTEventSink<Events::SaveLoadEvent>
{
public:
	// Reloads unless the main menu is open; the event's contents are not
	// read. Always lets the game go on notifying.
	RE::BSEventNotifyControl ProcessEvent(const Events::SaveLoadEvent& a_event, RE::BSTEventSource<Events::SaveLoadEvent>* a_source) override;
};

class TarmacorMenuOpenCloseEventClass final : public RE::BSTEventSink<RE::MenuOpenCloseEvent>
{
public:
	// Closing "EndGameCreditsMenu" reloads and captures the game data anew.
	RE::BSEventNotifyControl ProcessEvent(const RE::MenuOpenCloseEvent& a_event, RE::BSTEventSource<RE::MenuOpenCloseEvent>* a_source) override;
};

// The instances registered with the game, alive for the whole process.
extern TarmacorSaveLoadEventClass TarmacorSaveLoadEvent;
extern TarmacorMenuOpenCloseEventClass TarmacorMenuOpenCloseEvent;

// Registers both with the game's event sources.
void RegisterEventSinks();
