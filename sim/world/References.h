#pragma once
// References placed in the world, actors, their cells and 3D, extra data,
// and the game's list of reference handles.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

#include "sim/world/Forms.h"
#include "sim/world/Strings.h"

namespace sim
{
	namespace game
	{
		struct TESObjectCELL
		{
			std::byte pad00[0x48];
			std::uint8_t cellFlags;  // 0x48, bit 0: interior
		};
		static_assert(offsetof(TESObjectCELL, cellFlags) == 0x48);

		struct NiNode;

		// What a reference's 3D hangs from.
		struct LoadedData
		{
			std::byte pad00[0x8];
			NiNode* root;  // 0x8
		};
		static_assert(offsetof(LoadedData, root) == 0x8);

		// Extra data of type 0x96: the reference's own display name.
		struct ExtraTextDisplayData
		{
			std::byte pad00[0x18];
			GameString displayName;  // 0x18
		};
		static_assert(offsetof(ExtraTextDisplayData, displayName) == 0x18);
		inline constexpr std::uint32_t kExtraTextDisplayData = 0x96;

		struct ExtraDataList
		{
			std::byte pad00[0x8];
			// 0x8: what RE::ExtraDataList::GetByType searches.
			ExtraTextDisplayData* displayName;
			std::byte pad10[0x10];
			std::uint64_t lock;  // 0x20
		};
		static_assert(offsetof(ExtraDataList, displayName) == 0x8);
		static_assert(offsetof(ExtraDataList, lock) == 0x20);

		struct TESObjectREFR
		{
			TESForm form;
			// The simulation's own: counted references handed out by the
			// handle lookup and not yet released.
			std::int32_t iCountedReferences;
			// The simulation's own: the game frees the reference when the
			// last counted reference goes (its fields read as garbage after).
			bool bFreedOnLastRelease;
			// The simulation's own: freed so. Every game function that is
			// handed it afterwards notes the fault ("freed reference used").
			bool bFreed;
			std::byte pad46[0x52];
			TESForm* baseObject;  // 0x98
			std::byte padA0[0x10];
			TESObjectCELL* parentCell;  // 0xB0
			LoadedData* loadedData;     // 0xB8
			std::uint64_t lock;         // 0xC0
			ExtraDataList* extraList;   // 0xC8
		};
		static_assert(offsetof(TESObjectREFR, form.formID) == 0x28);
		static_assert(offsetof(TESObjectREFR, baseObject) == 0x98);
		static_assert(offsetof(TESObjectREFR, parentCell) == 0xB0);
		static_assert(offsetof(TESObjectREFR, loadedData) == 0xB8);
		static_assert(offsetof(TESObjectREFR, lock) == 0xC0);
		static_assert(offsetof(TESObjectREFR, extraList) == 0xC8);

		// An actor: a reference of form type 0x4B, with IsInCombat at byte
		// 0xB60 and CheckForm at byte 0xBA8 of its virtual table.
		struct Actor
		{
			TESObjectREFR ref;
			// The simulation's own: what the game answers about the actor.
			bool bInCombat;
			bool bTalking;
			bool bInScene;
			bool bInDialogueWithPlayer;
			std::uint32_t uInDialogueWithPlayer;     // written as it stands if not zero
			float fInVehicle;                        // RE::ConsoleCommand::IsInVehicle
			TESObjectREFR* vehicle;                  // RE::ActorNative::GetVehicle
			std::vector<const TESForm*> checkForms;  // CheckForm is true for these
			bool bPassenger;                         // RE::ActorNative::PassengerTest
		};
		static_assert(offsetof(Actor, ref) == 0);
		inline constexpr std::uint8_t kActorFormType = 0x4B;
		inline constexpr std::uint32_t kPlayerFormID = 0x14;
		inline constexpr std::size_t kIsInCombatSlot = 0xB60 / 8;
		inline constexpr std::size_t kCheckFormSlot = 0xBA8 / 8;

		// The actor a_ref is, or null for none and for other references.
		inline Actor* as_actor(TESObjectREFR* a_ref) noexcept
		{
			return a_ref && a_ref->form.formType == kActorFormType ? reinterpret_cast<Actor*>(a_ref) : nullptr;
		}

		struct ReferenceHandleList
		{
			std::byte pad00[0x8];
			std::uint32_t count;  // 0x8
			std::uint32_t pad0C;
			const std::uint64_t* elements;  // 0x10, handle in the upper 32 bits
		};
		static_assert(offsetof(ReferenceHandleList, count) == 0x8);
		static_assert(offsetof(ReferenceHandleList, elements) == 0x10);
	}

	struct References
	{
		game::Actor player{};
		game::LoadedData playerLoadedData{};
		game::Actor* playerGlobal{ nullptr };  // RE::PlayerActor
		game::TESObjectCELL exterior{}, interior{};
		std::deque<game::Actor> actors;
		std::deque<game::TESObjectREFR> references;

		// Reference handles: the list the game keeps, and what they name.
		game::ReferenceHandleList handleList{};
		game::ReferenceHandleList* handleListGlobal{ nullptr };  // RE::ReferenceHandleList
		std::vector<std::uint64_t> handleElements;
		std::vector<game::TESObjectREFR*> byHandle;  // handle n names byHandle[n], null for none

		// Extra data of the references given display names.
		std::deque<game::ExtraDataList> extraLists;
		std::deque<game::ExtraTextDisplayData> displayNames;

		// An actor (not the player) standing in the exterior.
		game::Actor& add_actor(std::uint32_t a_formID);
		// "an actor named Mira": an actor of a_base, or the one whose base
		// object (in a_forms) carries the name.
		game::Actor& add_actor(std::uint32_t a_formID, game::TESForm* a_base);
		game::Actor& add_actor(Forms& a_forms, std::string_view a_name, std::uint32_t a_formID);
		// A reference of a_type (not an actor) to a_base (may be null).
		game::TESObjectREFR& add_reference(std::uint32_t a_formID, std::uint8_t a_type, game::TESForm* a_base);
		// A handle for a_ref in the game's list; returns the handle.
		std::uint32_t add_handle(game::TESObjectREFR* a_ref);
		// The handle a_handle for a_ref (null: a handle the game knows no
		// reference for). The list's element carries other bits below it.
		void add_handle(std::uint32_t a_handle, game::TESObjectREFR* a_ref);
		// Gives a_ref extra data with a display name entry (null: an entry
		// without a string).
		void set_display_name(game::TESObjectREFR& a_ref, const game::StringEntry* a_entry);

		// The player, an actor or a reference with a_formID; null for none.
		game::TESObjectREFR* find(std::uint32_t a_formID) noexcept;
	};
}
