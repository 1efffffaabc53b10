#include <array>
#include <vector>

#include "sim/functions/Areas.h"
#include "sim/functions/Rows.h"
#include "sim/functions/VTables.h"
#include "sim/world/World.h"

extern "C" void sim_VirtualStandIn();

namespace sim
{
	namespace
	{
		game::TESForm* LookupFormByID(std::uint32_t a_formID)
		{
			auto& forms = world().forms;
			world().calls.record("LookupByID", a_formID);
			const auto it = forms.byID.find(a_formID);
			auto* form = it != forms.byID.end() ? it->second : nullptr;
			if (!form) {
				auto* ref = world().references.find(a_formID);
				form = ref ? &ref->form : nullptr;
			}
			return form && !form->bUnloaded ? form : nullptr;
		}

		const char* GetFormFullName(game::TESForm* a_form)
		{
			world().calls.record("TESForm::GetFullName", a_form);
			return a_form ? a_form->fullName : nullptr;
		}

		// The game's run-time cast, only from a form to its name component,
		// and only as the plugin must ask: no offset, not by reference.
		void* RTDynamicCast(void* a_object, std::int32_t a_offset, const void* a_from, const void* a_to, std::int32_t a_isReference)
		{
			auto& world = sim::world();
			world.calls.record("RTDynamicCast", a_object, a_offset, a_from, a_to, a_isReference);
			if (!a_object || a_offset != 0 || a_isReference != 0 || a_from != &world.forms.formDescriptor ||
				a_to != &world.forms.fullNameDescriptor) {
				return nullptr;
			}
			return static_cast<game::TESForm*>(a_object)->fullNameComponent;
		}

		// Virtual functions: the object arrives as the first argument.
		std::uint8_t GetFormType(const game::TESForm* a_form) { return a_form->formType; }
		const char* GetComponentFullName(const game::TESFullName* a_name) { return a_name->name; }
	}

	game::VTable make_vtable(std::size_t a_slots, std::initializer_list<std::pair<std::size_t, const void*>> a_functions)
	{
		auto* table = new std::vector<const void*>(a_slots, reinterpret_cast<const void*>(&sim_VirtualStandIn));
		for (const auto& [slot, function] : a_functions) {
			table->at(slot) = function;
		}
		return table->data();
	}

	game::VTable form_vtable() noexcept
	{
		static const auto table = make_vtable(game::kGetFormTypeSlot + 1, { { game::kGetFormTypeSlot, slot_function(&GetFormType) } });
		return table;
	}

	game::VTable full_name_vtable() noexcept
	{
		static const auto table = make_vtable(game::kGetFullNameSlot + 1, { { game::kGetFullNameSlot, slot_function(&GetComponentFullName) } });
		return table;
	}

	std::span<const GameItem> forms_rows()
	{
		using namespace RE::IDs;
		auto& forms = world().forms;
		static const std::array rows{
			function_row(TESForm::LookupByID, &LookupFormByID),
			function_row(TESForm::GetFullName, &GetFormFullName),
			function_row(RE::IDs::RTDynamicCast, &RTDynamicCast),
			data_row(TESForm::TypeDescriptor, forms.formDescriptor),
			data_row(TESFullName::TypeDescriptor, forms.fullNameDescriptor),
			data_row(DataHandler, forms.dataHandlerGlobal),
		};
		return rows;
	}
}
