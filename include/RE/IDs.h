#pragma once
// Every game function, global, data item and code site the plugin reaches,
// with its address-library ID. Code names these constants, never a number;
// `all` lists them for the tools and the simulated game. Both come from the
// one list below, so a new item is one line and no count is kept by hand.
#include <array>
#include <cstddef>
#include <string_view>

#include "REL/ID.h"

// TARMACOR_GAME_IDS(ITEM, TOP, SLOT), in the order `all` lists them:
//   ITEM(scope, name, id, kind, description)  RE::IDs::<scope>::<name>
//   TOP(name, id, kind, description)          RE::IDs::<name>
//   SLOT(number, id)                          RE::IDs::StringValueSlots[number - 1]
#define TARMACOR_GAME_IDS(ITEM, TOP, SLOT)                                                                           \
	ITEM(BSTEventSource, RegisterSink, 34452, function, "RE::BSTEventSource::RegisterSink")                          \
	ITEM(TESObjectREFR, Release, 35164, function, "RE::TESObjectREFR::Release")                                      \
	ITEM(GameString, Release, 36754, function, "RE::GameString::Release")                                            \
	TOP(LookupREFRByHandleNative, 72986, function, "RE::LookupREFRByHandleNative")                                   \
	ITEM(TESObjectREFR, MatchesForm, 80343, function, "RE::TESObjectREFR::MatchesForm")                              \
	ITEM(ExtraDataList, GetByType, 83208, function, "RE::ExtraDataList::GetByType")                                  \
	ITEM(TESForm, LookupByID, 86125, function, "RE::TESForm::LookupByID")                                            \
	ITEM(TESForm, GetFullName, 86218, function, "RE::TESForm::GetFullName")                                          \
	ITEM(Setting, LookupByName, 88638, function, "setting lookup by name")                                           \
	ITEM(ExitAnywhere, Function, 102971, code, "Exit Anywhere code site")                                            \
	ITEM(ConsoleCommand, IsInDialogueWithPlayer, 108949, function, "RE::ConsoleCommand::IsInDialogueWithPlayer")     \
	ITEM(Events::SaveLoadEvent, GetEventSource, 129747, function, "Events::SaveLoadEvent::GetEventSource")           \
	TOP(SetTimeMultiplier, 156294, function, "RE::SetTimeMultiplier")                                                \
	ITEM(ObjectReferenceNative, IsInScene, 170275, function, "RE::ObjectReferenceNative::IsInScene")                 \
	ITEM(ActorNative, IsTalking, 170285, function, "RE::ActorNative::IsTalking")                                     \
	ITEM(ActorNative, GetVehicle, 170441, function, "RE::ActorNative::GetVehicle")                                   \
	ITEM(ActorNative, PassengerTest, 170456, function, "RE::ActorNative::PassengerTest")                             \
	ITEM(ActorNative, InitiateDialogue, 172378, function, "RE::ActorNative::InitiateDialogue")                       \
	TOP(IsGameMenuPaused, 172731, function, "RE::IsGameMenuPaused")                                                  \
	ITEM(ReferenceLock, Lock, 178605, function, "RE::ReferenceLock::Lock")                                           \
	ITEM(ReferenceLock, Unlock, 178609, function, "RE::ReferenceLock::Unlock")                                       \
	ITEM(GameString, GameString, 198219, function, "RE::GameString::GameString") /* the constructor */               \
	TOP(RTDynamicCast, 211916, function, "RE::RTDynamicCast")                                                        \
	ITEM(BSFadeNode, VTable, 440638, data, "virtual table of RE::BSFadeNode")                                        \
	TOP(CurrentTimeMultiplier, 763331, data, "RE::CurrentTimeMultiplier")                                            \
	TOP(GlobalTimeMultiplier, 763332, data, "RE::GlobalTimeMultiplier")                                              \
	ITEM(TESForm, TypeDescriptor, 786265, data, "type descriptor of RE::TESForm")                                    \
	ITEM(TESFullName, TypeDescriptor, 786269, data, "type descriptor of RE::TESFullName")                            \
	TOP(DataHandler, 825890, global, "RE::DataHandler")                                                              \
	TOP(PlayerActor, 865059, global, "RE::PlayerActor")                                                              \
	ITEM(UI, Singleton, 878339, global, "RE::UI") /* the global RE::UI */                                            \
	TOP(PlayerCamera, 878523, global, "RE::PlayerCamera")                                                            \
	TOP(SettingCollection, 879099, global, "setting collection") /* the game's settings, searched by LookupByName */ \
	TOP(ReferenceHandleList, 881027, global, "RE::ReferenceHandleList")                                              \
	ITEM(UI, IsMenuOpen, 1870208, function, "RE::UI::IsMenuOpen")                                                    \
	ITEM(ConsoleCommand, IsInVehicle, 2157099, function, "RE::ConsoleCommand::IsInVehicle")                          \
	ITEM(DialogueCallSites, Function, 2157294, code, "dialogue call sites")                                          \
	SLOT(1, 2241914)                                                                                                 \
	SLOT(2, 2241913)                                                                                                 \
	SLOT(3, 2241910)                                                                                                 \
	SLOT(4, 2241917)                                                                                                 \
	SLOT(5, 2241923)                                                                                                 \
	SLOT(6, 2241921)                                                                                                 \
	SLOT(7, 2241925)                                                                                                 \
	SLOT(8, 2241926)                                                                                                 \
	SLOT(9, 2241922)

namespace RE::IDs
{
	enum class Kind
	{
		function,  // called at its address
		global,    // a pointer to a game object is stored at its address
		data,      // read (or written) at its address
		code,      // a function whose instructions the plugin patches
	};

	struct Entry
	{
		std::string_view name;
		REL::ID id;
		Kind kind;
	};

#define TARMACOR_ID_ITEM(scope, name, number, kind, description) \
	namespace scope                                              \
	{                                                            \
		inline constexpr REL::ID name{ number };                 \
	}
#define TARMACOR_ID_TOP(name, number, kind, description) inline constexpr REL::ID name{ number };
#define TARMACOR_ID_NONE(...)
	TARMACOR_GAME_IDS(TARMACOR_ID_ITEM, TARMACOR_ID_TOP, TARMACOR_ID_NONE)

	// Nine 64-bit game values, in slot order 1 to 9.
#define TARMACOR_ID_SLOT(number, id) REL::ID{ id },
	inline constexpr std::array StringValueSlots{ TARMACOR_GAME_IDS(TARMACOR_ID_NONE, TARMACOR_ID_NONE, TARMACOR_ID_SLOT) };
#undef TARMACOR_ID_SLOT

#define TARMACOR_ID_ENTRY_ITEM(scope, name, number, kind, description) Entry{ description, scope::name, Kind::kind },
#define TARMACOR_ID_ENTRY_TOP(name, number, kind, description) Entry{ description, name, Kind::kind },
#define TARMACOR_ID_ENTRY_SLOT(number, id) Entry{ "StringValueSlots " #number, StringValueSlots[number - 1], Kind::data },
	inline constexpr std::array all{ TARMACOR_GAME_IDS(TARMACOR_ID_ENTRY_ITEM, TARMACOR_ID_ENTRY_TOP, TARMACOR_ID_ENTRY_SLOT) };
#undef TARMACOR_ID_ENTRY_ITEM
#undef TARMACOR_ID_ENTRY_TOP
#undef TARMACOR_ID_ENTRY_SLOT
#undef TARMACOR_ID_ITEM
#undef TARMACOR_ID_TOP
#undef TARMACOR_ID_NONE

	// Places inside the code items.
	namespace ExitAnywhere
	{
		// The instruction that decides whether the player may leave the
		// vehicle lies this far into the function.
		inline constexpr std::ptrdiff_t SiteDisplacement = 0x6F8;
	}
	namespace DialogueCallSites
	{
		// One game function holds both calls that pick a speaker's idle line.
		inline constexpr std::ptrdiff_t FirstCall = 0x239;
		inline constexpr std::ptrdiff_t SecondCall = 0x28E;
	}

	constexpr std::string_view describe(Kind a_kind) noexcept
	{
		switch (a_kind) {
		case Kind::function:
			return "function";
		case Kind::global:
			return "global";
		case Kind::data:
			return "data";
		case Kind::code:
			return "code";
		}
		return "unknown";
	}
}
