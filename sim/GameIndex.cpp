#include "GameIndex.h"

#include "sim/functions/Rows.h"

#include <algorithm>
#include <array>

#include <windows.h>

#include "GameSettings.h"

namespace
{
	// A function the plugin calls that the simulation hasn't given behaviour
	// yet: distinct per ID, and it says which one it is.
	template <std::uint64_t Id>
	std::uint64_t ReturnOwnId()
	{
		return Id;
	}

	template <std::uint64_t Id>
	std::uintptr_t placeholder_function()
	{
		return reinterpret_cast<std::uintptr_t>(&ReturnOwnId<Id>);
	}

	// The game's run-time type descriptors, as the compiler lays them out.
	struct TypeDescriptor
	{
		const void* vftable;
		void* spare;
		char name[32];
	};

	TypeDescriptor TESFormTypeDescriptor{ nullptr, nullptr, ".?AVTESForm@@" };
	TypeDescriptor TESFullNameTypeDescriptor{ nullptr, nullptr, ".?AVTESFullName@@" };
}

// Code the plugin patches or hooks, laid out byte for byte where the plugin
// looks (the rest is int3), and a virtual table in read-only data as the
// game has it.
extern "C"
{
	// Slot 61 of the fade node's virtual table: the game's own visibility
	// update; the other slots do nothing.
	std::uint8_t sim_FadeNodeUpdateVisibility(void*, std::uint8_t a_state) { return a_state; }
	void sim_VirtualStandIn() {}

	extern const std::byte sim_ExitAnywhereFunction[];
	extern const std::uintptr_t sim_BSFadeNodeVTable[];
}

#if !defined(__GNUC__)
#error "the simulated game's code sites are written in GNU assembler (MinGW)"
#endif

// sim_ExitAnywhereFunction + 0x6F8: the game's own 7-byte compare. The
// dialogue function is in code/DialogueFunction.cpp.
asm(R"(
	.section .text$sim_game_code,"xr"
	.balign 16
	.globl sim_ExitAnywhereFunction
sim_ExitAnywhereFunction:
	.fill 0x6F8, 1, 0xCC
	.byte 0x40, 0x38, 0xB5, 0xF0, 0x00, 0x00, 0x00
	.fill 9, 1, 0xCC


	.section .rdata$sim_game_vtable,"dr"
	.balign 8
	.globl sim_BSFadeNodeVTable
sim_BSFadeNodeVTable:
	.rept 61
	.quad sim_VirtualStandIn
	.endr
	.quad sim_FadeNodeUpdateVisibility
	.rept 2
	.quad sim_VirtualStandIn
	.endr
	.text
)");

namespace sim
{
	namespace game
	{
		float CurrentTimeMultiplier = 1.0f;
		float GlobalTimeMultiplier = 1.0f;
		std::uint64_t StringValueSlots[9]{
			0x5356000000000001, 0x5356000000000002, 0x5356000000000003,
			0x5356000000000004, 0x5356000000000005, 0x5356000000000006,
			0x5356000000000007, 0x5356000000000008, 0x5356000000000009
		};

		void* DataHandler = nullptr;
		void* PlayerActor = nullptr;
		void* UI = nullptr;
		void* PlayerCamera = nullptr;
		void* SettingCollection = nullptr;
		void* ReferenceHandleList = nullptr;
	}

	namespace
	{
		template <class T>
		std::uintptr_t address_of(T& a_item)
		{
			return reinterpret_cast<std::uintptr_t>(&a_item);
		}

		std::array<GameItem, RE::IDs::all.size()> make_items()
		{
			using namespace RE::IDs;
			std::array<GameItem, RE::IDs::all.size()> items{ {
				{ BSTEventSource::RegisterSink, placeholder_function<BSTEventSource::RegisterSink.id()>() },
				{ TESObjectREFR::Release, placeholder_function<TESObjectREFR::Release.id()>() },
				{ GameString::Release, placeholder_function<GameString::Release.id()>() },
				{ LookupREFRByHandleNative, placeholder_function<LookupREFRByHandleNative.id()>() },
				{ TESObjectREFR::MatchesForm, placeholder_function<TESObjectREFR::MatchesForm.id()>() },
				{ ExtraDataList::GetByType, placeholder_function<ExtraDataList::GetByType.id()>() },
				{ TESForm::LookupByID, placeholder_function<TESForm::LookupByID.id()>() },
				{ TESForm::GetFullName, placeholder_function<TESForm::GetFullName.id()>() },
				{ Setting::LookupByName, reinterpret_cast<std::uintptr_t>(&settings::LookupByName) },
				{ ExitAnywhere::Function, reinterpret_cast<std::uintptr_t>(sim_ExitAnywhereFunction) },
				{ ConsoleCommand::IsInDialogueWithPlayer, placeholder_function<ConsoleCommand::IsInDialogueWithPlayer.id()>() },
				{ Events::SaveLoadEvent::GetEventSource, placeholder_function<Events::SaveLoadEvent::GetEventSource.id()>() },
				{ SetTimeMultiplier, placeholder_function<SetTimeMultiplier.id()>() },
				{ ObjectReferenceNative::IsInScene, placeholder_function<ObjectReferenceNative::IsInScene.id()>() },
				{ ActorNative::IsTalking, placeholder_function<ActorNative::IsTalking.id()>() },
				{ ActorNative::GetVehicle, placeholder_function<ActorNative::GetVehicle.id()>() },
				{ ActorNative::PassengerTest, placeholder_function<ActorNative::PassengerTest.id()>() },
				{ ActorNative::InitiateDialogue, placeholder_function<ActorNative::InitiateDialogue.id()>() },
				{ IsGameMenuPaused, placeholder_function<IsGameMenuPaused.id()>() },
				{ ReferenceLock::Lock, placeholder_function<ReferenceLock::Lock.id()>() },
				{ ReferenceLock::Unlock, placeholder_function<ReferenceLock::Unlock.id()>() },
				{ GameString::GameString, placeholder_function<GameString::GameString.id()>() },
				{ RTDynamicCast, placeholder_function<RTDynamicCast.id()>() },
				{ BSFadeNode::VTable, reinterpret_cast<std::uintptr_t>(sim_BSFadeNodeVTable) },
				{ CurrentTimeMultiplier, address_of(game::CurrentTimeMultiplier) },
				{ GlobalTimeMultiplier, address_of(game::GlobalTimeMultiplier) },
				{ TESForm::TypeDescriptor, address_of(TESFormTypeDescriptor) },
				{ TESFullName::TypeDescriptor, address_of(TESFullNameTypeDescriptor) },
				{ DataHandler, address_of(game::DataHandler) },
				{ PlayerActor, address_of(game::PlayerActor) },
				{ UI::Singleton, address_of(game::UI) },
				{ PlayerCamera, address_of(game::PlayerCamera) },
				{ SettingCollection, address_of(game::SettingCollection) },
				{ ReferenceHandleList, address_of(game::ReferenceHandleList) },
				{ UI::IsMenuOpen, placeholder_function<UI::IsMenuOpen.id()>() },
				{ ConsoleCommand::IsInVehicle, placeholder_function<ConsoleCommand::IsInVehicle.id()>() },
				{ DialogueCallSites::Function, 0 },
				{ StringValueSlots[0], address_of(game::StringValueSlots[0]) },
				{ StringValueSlots[1], address_of(game::StringValueSlots[1]) },
				{ StringValueSlots[2], address_of(game::StringValueSlots[2]) },
				{ StringValueSlots[3], address_of(game::StringValueSlots[3]) },
				{ StringValueSlots[4], address_of(game::StringValueSlots[4]) },
				{ StringValueSlots[5], address_of(game::StringValueSlots[5]) },
				{ StringValueSlots[6], address_of(game::StringValueSlots[6]) },
				{ StringValueSlots[7], address_of(game::StringValueSlots[7]) },
				{ StringValueSlots[8], address_of(game::StringValueSlots[8]) },
			} };
			// Areas with behaviour of their own replace the placeholders.
			for (const auto& rows : { forms_items(), dialogue_items() }) {
				for (const auto& row : rows) {
					for (auto& item : items) {
						if (item.id == row.id) {
							item.address = row.address;
						}
					}
				}
			}
			return items;
		}
	}

	std::span<const GameItem> game_items()
	{
		static const auto items = make_items();
		return items;
	}

	std::uintptr_t game_address(REL::ID a_id) noexcept
	{
		const auto items = game_items();
		const auto it = std::find_if(items.begin(), items.end(), [&](const GameItem& a_item) { return a_item.id == a_id; });
		return it == items.end() ? 0 : it->address;
	}

	std::uintptr_t game_base() noexcept
	{
		return reinterpret_cast<std::uintptr_t>(::GetModuleHandleW(nullptr));
	}
}
