#include <algorithm>
#include <array>
#include <vector>

#include "sim/functions/Areas.h"
#include "sim/functions/Rows.h"
#include "sim/functions/VTables.h"
#include "sim/world/World.h"

namespace sim
{
	namespace
	{
		using game::Actor;
		using game::TESObjectREFR;

		void ReleaseReference(TESObjectREFR* a_ref)
		{
			world().calls.record("TESObjectREFR::Release", a_ref);
			if (a_ref && --a_ref->iCountedReferences == 0 && a_ref->bFreedOnLastRelease) {
				a_ref->form.formID = 0xDDDDDDDD;
				a_ref->form.formType = 0xDD;
				a_ref->bFreed = true;
			}
		}

		// Fills a_out with a counted reference to what a_handle names.
		bool LookupREFRByHandleNative(const std::uint32_t* a_handle, TESObjectREFR** a_out)
		{
			auto& references = world().references;
			world().calls.record("LookupREFRByHandleNative", *a_handle, a_out);
			const auto handle = *a_handle;
			auto* ref = handle < references.byHandle.size() ? references.byHandle[handle] : nullptr;
			if (!ref || ref->form.bUnloaded) {
				return false;  // *a_out as it was
			}
			++ref->iCountedReferences;
			*a_out = ref;
			return true;
		}

		bool MatchesForm(TESObjectREFR* a_ref, const game::TESForm* a_form)
		{
			world().calls.record("MatchesForm", a_ref, a_form);
			return a_ref && a_form && a_ref->baseObject == a_form;
		}

		// Searches what lies at byte 8 of an extra data list; the record
		// says whether the list's lock was held.
		void* GetExtraByType(game::ExtraTextDisplayData* const* a_extra, std::uint32_t a_type)
		{
			const auto* list = reinterpret_cast<const game::ExtraDataList*>(reinterpret_cast<const std::byte*>(a_extra) -
				offsetof(game::ExtraDataList, displayName));
			world().calls.record("ExtraDataList::GetByType", a_extra, a_type, list->lock != 0);
			return a_type == game::kExtraTextDisplayData ? *a_extra : nullptr;
		}

		void LockReference(std::uint64_t* a_lock)
		{
			world().calls.record("ReferenceLock::Lock", a_lock);
			++*a_lock;
		}

		void UnlockReference(std::uint64_t* a_lock)
		{
			world().calls.record("ReferenceLock::Unlock", a_lock);
			--*a_lock;
		}

		bool IsInVehicleConsole(TESObjectREFR** a_ref, std::uint64_t a_2, std::uint64_t a_3, float* a_result)
		{
			world().calls.record("IsInVehicle", a_ref, a_2, a_3, a_result);
			note_freed_use(*a_ref);
			const auto* actor = game::as_actor(*a_ref);
			*a_result = actor ? actor->fInVehicle : 0.0f;
			return true;
		}

		TESObjectREFR* GetVehicle(void* a_vm, std::uint32_t a_stackID, Actor* a_actor)
		{
			world().calls.record("GetVehicle", a_vm, a_stackID, a_actor);
			return a_actor ? a_actor->vehicle : nullptr;
		}

		bool PassengerTest(void* a_vm, std::uint32_t a_stackID, Actor* a_player, Actor* a_companion)
		{
			world().calls.record("PassengerTest", a_vm, a_stackID, a_player, a_companion);
			note_freed_use(a_companion ? &a_companion->ref : nullptr);
			return a_companion && a_companion->bPassenger;
		}

		// Virtual functions of actors.
		bool IsInCombat(const Actor* a_actor)
		{
			world().calls.record("Actor::IsInCombat", a_actor);
			note_freed_use(&a_actor->ref);
			return a_actor->bInCombat;
		}
		bool CheckForm(const Actor* a_actor, const game::TESForm* a_form)
		{
			world().calls.record("Actor::CheckForm", a_actor, a_form);
			note_freed_use(&a_actor->ref);
			return std::find(a_actor->checkForms.begin(), a_actor->checkForms.end(), a_form) != a_actor->checkForms.end();
		}
	}

	game::VTable actor_vtable() noexcept
	{
		static const auto table = make_vtable(game::kCheckFormSlot + 1, {
																			{ game::kGetFormTypeSlot, form_vtable()[game::kGetFormTypeSlot] },
																			{ game::kIsInCombatSlot, slot_function(&IsInCombat) },
																			{ game::kCheckFormSlot, slot_function(&CheckForm) },
																		});
		return table;
	}

	void note_freed_use(const game::TESObjectREFR* a_ref)
	{
		if (a_ref && a_ref->bFreed) {
			world().calls.record("freed reference used", a_ref);
		}
	}

	std::span<const GameItem> references_rows()
	{
		using namespace RE::IDs;
		auto& references = world().references;
		static const std::array rows{
			function_row(RE::IDs::TESObjectREFR::Release, &ReleaseReference),
			function_row(RE::IDs::LookupREFRByHandleNative, &LookupREFRByHandleNative),
			function_row(RE::IDs::TESObjectREFR::MatchesForm, &MatchesForm),
			function_row(ExtraDataList::GetByType, &GetExtraByType),
			function_row(ReferenceLock::Lock, &LockReference),
			function_row(ReferenceLock::Unlock, &UnlockReference),
			function_row(ConsoleCommand::IsInVehicle, &IsInVehicleConsole),
			function_row(ActorNative::GetVehicle, &GetVehicle),
			function_row(ActorNative::PassengerTest, &PassengerTest),
			data_row(PlayerActor, references.playerGlobal),
			data_row(ReferenceHandleList, references.handleListGlobal),
		};
		return rows;
	}
}
