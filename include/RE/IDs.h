#pragma once
// Every game function, global, data item and code site the plugin reaches,
// with its address-library ID. Code names these constants, never a number;
// `all` lists them for the tools and the simulated game.
#include <array>
#include <cstddef>
#include <string_view>

#include "REL/ID.h"

namespace RE::IDs
{
	namespace BSTEventSource
	{
		inline constexpr REL::ID RegisterSink{ 34452 };
	}
	namespace TESObjectREFR
	{
		inline constexpr REL::ID Release{ 35164 };
		inline constexpr REL::ID MatchesForm{ 80343 };
	}
	namespace GameString
	{
		inline constexpr REL::ID Release{ 36754 };
		inline constexpr REL::ID GameString{ 198219 };  // the constructor
	}
	inline constexpr REL::ID LookupREFRByHandleNative{ 72986 };
	namespace ExtraDataList
	{
		inline constexpr REL::ID GetByType{ 83208 };
	}
	namespace TESForm
	{
		inline constexpr REL::ID LookupByID{ 86125 };
		inline constexpr REL::ID GetFullName{ 86218 };
		inline constexpr REL::ID TypeDescriptor{ 786265 };
	}
	namespace TESFullName
	{
		inline constexpr REL::ID TypeDescriptor{ 786269 };
	}
	namespace Setting
	{
		inline constexpr REL::ID LookupByName{ 88638 };
	}
	// The game's settings, searched by LookupByName.
	inline constexpr REL::ID SettingCollection{ 879099 };
	namespace ExitAnywhere
	{
		// The instruction that decides whether the player may leave the
		// vehicle lies this far into the function.
		inline constexpr REL::ID Function{ 102971 };
		inline constexpr std::ptrdiff_t SiteDisplacement = 0x6F8;
	}
	namespace ConsoleCommand
	{
		inline constexpr REL::ID IsInDialogueWithPlayer{ 108949 };
		inline constexpr REL::ID IsInVehicle{ 2157099 };
	}
	namespace Events::SaveLoadEvent
	{
		inline constexpr REL::ID GetEventSource{ 129747 };
	}
	inline constexpr REL::ID SetTimeMultiplier{ 156294 };
	namespace ObjectReferenceNative
	{
		inline constexpr REL::ID IsInScene{ 170275 };
	}
	namespace ActorNative
	{
		inline constexpr REL::ID IsTalking{ 170285 };
		inline constexpr REL::ID GetVehicle{ 170441 };
		inline constexpr REL::ID PassengerTest{ 170456 };
		inline constexpr REL::ID InitiateDialogue{ 172378 };
	}
	inline constexpr REL::ID IsGameMenuPaused{ 172731 };
	namespace ReferenceLock
	{
		inline constexpr REL::ID Lock{ 178605 };
		inline constexpr REL::ID Unlock{ 178609 };
	}
	inline constexpr REL::ID RTDynamicCast{ 211916 };
	namespace BSFadeNode
	{
		inline constexpr REL::ID VTable{ 440638 };
	}
	inline constexpr REL::ID CurrentTimeMultiplier{ 763331 };
	inline constexpr REL::ID GlobalTimeMultiplier{ 763332 };
	inline constexpr REL::ID DataHandler{ 825890 };
	inline constexpr REL::ID PlayerActor{ 865059 };
	inline constexpr REL::ID PlayerCamera{ 878523 };
	inline constexpr REL::ID ReferenceHandleList{ 881027 };
	namespace UI
	{
		inline constexpr REL::ID Singleton{ 878339 };  // the global RE::UI
		inline constexpr REL::ID IsMenuOpen{ 1870208 };
	}
	namespace DialogueCallSites
	{
		// One game function holds both calls that pick a speaker's idle line.
		inline constexpr REL::ID Function{ 2157294 };
		inline constexpr std::ptrdiff_t FirstCall = 0x239;
		inline constexpr std::ptrdiff_t SecondCall = 0x28E;
	}
	// Nine 64-bit game values, in slot order 1 to 9.
	inline constexpr std::array<REL::ID, 9> StringValueSlots{ {
		REL::ID{ 2241914 },
		REL::ID{ 2241913 },
		REL::ID{ 2241910 },
		REL::ID{ 2241917 },
		REL::ID{ 2241923 },
		REL::ID{ 2241921 },
		REL::ID{ 2241925 },
		REL::ID{ 2241926 },
		REL::ID{ 2241922 },
	} };

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

	inline constexpr std::array<Entry, 46> all{ {
		{ "RE::BSTEventSource::RegisterSink", BSTEventSource::RegisterSink, Kind::function },
		{ "RE::TESObjectREFR::Release", TESObjectREFR::Release, Kind::function },
		{ "RE::GameString::Release", GameString::Release, Kind::function },
		{ "RE::LookupREFRByHandleNative", LookupREFRByHandleNative, Kind::function },
		{ "RE::TESObjectREFR::MatchesForm", TESObjectREFR::MatchesForm, Kind::function },
		{ "RE::ExtraDataList::GetByType", ExtraDataList::GetByType, Kind::function },
		{ "RE::TESForm::LookupByID", TESForm::LookupByID, Kind::function },
		{ "RE::TESForm::GetFullName", TESForm::GetFullName, Kind::function },
		{ "setting lookup by name", Setting::LookupByName, Kind::function },
		{ "Exit Anywhere code site", ExitAnywhere::Function, Kind::code },
		{ "RE::ConsoleCommand::IsInDialogueWithPlayer", ConsoleCommand::IsInDialogueWithPlayer, Kind::function },
		{ "Events::SaveLoadEvent::GetEventSource", Events::SaveLoadEvent::GetEventSource, Kind::function },
		{ "RE::SetTimeMultiplier", SetTimeMultiplier, Kind::function },
		{ "RE::ObjectReferenceNative::IsInScene", ObjectReferenceNative::IsInScene, Kind::function },
		{ "RE::ActorNative::IsTalking", ActorNative::IsTalking, Kind::function },
		{ "RE::ActorNative::GetVehicle", ActorNative::GetVehicle, Kind::function },
		{ "RE::ActorNative::PassengerTest", ActorNative::PassengerTest, Kind::function },
		{ "RE::ActorNative::InitiateDialogue", ActorNative::InitiateDialogue, Kind::function },
		{ "RE::IsGameMenuPaused", IsGameMenuPaused, Kind::function },
		{ "RE::ReferenceLock::Lock", ReferenceLock::Lock, Kind::function },
		{ "RE::ReferenceLock::Unlock", ReferenceLock::Unlock, Kind::function },
		{ "RE::GameString::GameString", GameString::GameString, Kind::function },
		{ "RE::RTDynamicCast", RTDynamicCast, Kind::function },
		{ "virtual table of RE::BSFadeNode", BSFadeNode::VTable, Kind::data },
		{ "RE::CurrentTimeMultiplier", CurrentTimeMultiplier, Kind::data },
		{ "RE::GlobalTimeMultiplier", GlobalTimeMultiplier, Kind::data },
		{ "type descriptor of RE::TESForm", TESForm::TypeDescriptor, Kind::data },
		{ "type descriptor of RE::TESFullName", TESFullName::TypeDescriptor, Kind::data },
		{ "RE::DataHandler", DataHandler, Kind::global },
		{ "RE::PlayerActor", PlayerActor, Kind::global },
		{ "RE::UI", UI::Singleton, Kind::global },
		{ "RE::PlayerCamera", PlayerCamera, Kind::global },
		{ "setting collection", SettingCollection, Kind::global },
		{ "RE::ReferenceHandleList", ReferenceHandleList, Kind::global },
		{ "RE::UI::IsMenuOpen", UI::IsMenuOpen, Kind::function },
		{ "RE::ConsoleCommand::IsInVehicle", ConsoleCommand::IsInVehicle, Kind::function },
		{ "dialogue call sites", DialogueCallSites::Function, Kind::code },
		{ "StringValueSlots 1", StringValueSlots[0], Kind::data },
		{ "StringValueSlots 2", StringValueSlots[1], Kind::data },
		{ "StringValueSlots 3", StringValueSlots[2], Kind::data },
		{ "StringValueSlots 4", StringValueSlots[3], Kind::data },
		{ "StringValueSlots 5", StringValueSlots[4], Kind::data },
		{ "StringValueSlots 6", StringValueSlots[5], Kind::data },
		{ "StringValueSlots 7", StringValueSlots[6], Kind::data },
		{ "StringValueSlots 8", StringValueSlots[7], Kind::data },
		{ "StringValueSlots 9", StringValueSlots[8], Kind::data },
	} };

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
