#include "sim/world/Forms.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace sim
{
	namespace
	{
		// The game's virtual tables: the form's type query at byte 0x110, the
		// name component's name query at byte 0x60; every other slot does
		// nothing.
		void VirtualStandIn() {}

		std::uint8_t GetFormType(const FormData* a_form) { return FormsArea::owner_of(a_form)->formType; }
		const char* GetComponentName(const FullNameComponent* a_component) { return a_component->name; }

		template <std::size_t Slots, std::size_t Slot, class F>
		std::array<const void*, Slots> make_vtable(F a_function)
		{
			std::array<const void*, Slots> table;
			table.fill(reinterpret_cast<const void*>(&VirtualStandIn));
			table[Slot] = reinterpret_cast<const void*>(a_function);
			return table;
		}

		const void* const* form_vtable()
		{
			static const auto table = make_vtable<40, 0x110 / 8>(&GetFormType);
			return table.data();
		}

		const void* const* name_component_vtable()
		{
			static const auto table = make_vtable<16, 0x60 / 8>(&GetComponentName);
			return table.data();
		}

		void copy_text(char* a_out, std::size_t a_capacity, std::string_view a_text)
		{
			const auto size = std::min(a_text.size(), a_capacity - 1);
			std::memcpy(a_out, a_text.data(), size);
		}
	}

	Form* FormsArea::owner_of(const void* a_formData) noexcept
	{
		return static_cast<const FormData*>(a_formData)->owner;
	}

	Form& FormsArea::add_base(std::uint32_t a_formID, std::string_view a_name, std::uint8_t a_formType)
	{
		auto& form = add_reference(a_formID, a_formType, nullptr);
		form.hasNameComponent = true;
		form.componentName = a_name;
		form.nameComponent.name = form.componentName.c_str();
		return form;
	}

	Form& FormsArea::add_reference(std::uint32_t a_formID, std::uint8_t a_formType, Form* a_base)
	{
		auto& form = forms.emplace_back();
		form.data.vtable = form_vtable();
		form.data.owner = &form;
		form.data.formID = a_formID;
		form.data.baseObject = a_base ? a_base->game() : nullptr;
		form.formType = a_formType;
		form.nameComponent.vtable = name_component_vtable();
		form.extraList.owner = &form;
		return form;
	}

	Form& FormsArea::add_actor(std::string_view a_name, std::uint32_t a_formID)
	{
		auto& base = add_base(0x00FF0000 | (a_formID & 0xFFFF), a_name);
		return add_reference(a_formID, kActorFormType, &base);
	}

	void FormsArea::set_display_name(Form& a_ref, const StringEntry* a_entry)
	{
		a_ref.extras.clear();
		a_ref.extras.emplace_back().displayName = a_entry;
		a_ref.data.extraData = &a_ref.extraList;
	}

	StringEntry& FormsArea::add_string(std::string_view a_text)
	{
		return add_string(a_text, static_cast<std::uint32_t>(a_text.size()));
	}

	StringEntry& FormsArea::add_string(std::string_view a_text, std::uint32_t a_length)
	{
		auto& entry = strings.emplace_back();
		entry.link.length = a_length;
		copy_text(entry.text, sizeof(entry.text), a_text);
		return entry;
	}

	StringEntry& FormsArea::add_forwarding(const StringEntry* a_target)
	{
		auto& entry = strings.emplace_back();
		entry.flags = StringEntry::kForwards;
		entry.link.forward = a_target;
		return entry;
	}

	const StringEntry& FormsArea::intern(std::string_view a_text)
	{
		for (const auto& entry : strings) {
			if (!(entry.flags & StringEntry::kForwards) && string_text(&entry) == a_text) {
				return entry;
			}
		}
		return add_string(a_text);
	}

	Form* FormsArea::find(std::uint32_t a_formID) noexcept
	{
		for (auto& form : forms) {
			if (form.id() == a_formID) {
				return &form;
			}
		}
		return nullptr;
	}

	std::string_view string_text(const StringEntry* a_entry) noexcept
	{
		while (a_entry && (a_entry->flags & StringEntry::kForwards)) {
			a_entry = a_entry->link.forward;
		}
		if (!a_entry) {
			return {};
		}
		return { a_entry->text, ::strnlen(a_entry->text, std::min<std::size_t>(a_entry->link.length, StringEntry::kCapacity)) };
	}
}
