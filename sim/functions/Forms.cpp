// The game's functions about forms, names, extra data and strings, answering
// from the world and counting the plugin's calls.
#include "sim/functions/Rows.h"

#include "sim/GameIndex.h"
#include "sim/world/World.h"

namespace sim
{
	namespace
	{
		FormData* LookupByID(std::uint32_t a_formID)
		{
			auto& forms = world().forms;
			++forms.lookupsByID;
			auto* form = forms.find(a_formID);
			return form && form->loaded ? form->game() : nullptr;
		}

		const char* GetFullName(const FormData* a_form)
		{
			const auto* form = FormsArea::owner_of(a_form);
			return form->hasNativeName ? form->nativeName.c_str() : nullptr;
		}

		// The run-time cast knows one way: from a form to its name component.
		void* CastAtRunTime(const void* a_object, std::int32_t a_vfDelta, const void* a_from, const void* a_to, std::int32_t a_isReference)
		{
			++world().forms.casts;
			const bool known = a_from == reinterpret_cast<const void*>(game_address(RE::IDs::TESForm::TypeDescriptor)) &&
			                   a_to == reinterpret_cast<const void*>(game_address(RE::IDs::TESFullName::TypeDescriptor));
			if (!a_object || a_vfDelta != 0 || a_isReference != 0 || !known) {
				return nullptr;
			}
			auto* form = FormsArea::owner_of(a_object);
			return form->hasNameComponent ? &form->nameComponent : nullptr;
		}


		void Lock(void* a_lock)
		{
			++world().forms.locks;
			++*static_cast<std::uint64_t*>(a_lock);
		}

		void Unlock(void* a_lock)
		{
			++world().forms.unlocks;
			--*static_cast<std::uint64_t*>(a_lock);
		}

		const void* GetByType(const void* a_entries, std::uint32_t a_type)
		{
			auto* list = reinterpret_cast<const ExtraDataList*>(static_cast<const std::byte*>(a_entries) - offsetof(ExtraDataList, entries));
			auto& forms = world().forms;
			++(list->lock != 0 ? forms.searchesUnderLock : forms.searchesWithoutLock);
			for (const auto& extra : list->owner->extras) {
				if (extra.type == a_type) {
					return &extra;
				}
			}
			return nullptr;
		}

		void** ConstructGameString(void** a_string, const char* a_text, std::uint32_t)
		{
			auto& forms = world().forms;
			++forms.stringsBuilt;
			*a_string = const_cast<StringEntry*>(&forms.intern(a_text ? a_text : ""));
			return a_string;
		}

		void ReleaseGameString(void** a_string)
		{
			++world().forms.stringsReleased;
			*a_string = nullptr;
		}

		template <class F>
		std::uintptr_t address_of(F* a_function)
		{
			return reinterpret_cast<std::uintptr_t>(a_function);
		}
	}

	std::vector<GameItem> forms_items()
	{
		using namespace RE::IDs;
		return {
			{ TESForm::LookupByID, address_of(&LookupByID) },
			{ TESForm::GetFullName, address_of(&GetFullName) },
			{ RTDynamicCast, address_of(&CastAtRunTime) },
			{ ReferenceLock::Lock, address_of(&Lock) },
			{ ReferenceLock::Unlock, address_of(&Unlock) },
			{ RE::IDs::ExtraDataList::GetByType, address_of(&GetByType) },
			{ GameString::GameString, address_of(&ConstructGameString) },
			{ GameString::Release, address_of(&ReleaseGameString) },
		};
	}
}
