#include "sim/world/References.h"

#include "sim/functions/VTables.h"

namespace sim
{
	game::Actor& References::add_actor(std::uint32_t a_formID)
	{
		auto& actor = actors.emplace_back();
		actor.ref.form.vtable = actor_vtable();
		actor.ref.form.formID = a_formID;
		actor.ref.form.formType = game::kActorFormType;
		actor.ref.parentCell = &exterior;
		return actor;
	}

	game::Actor& References::add_actor(std::uint32_t a_formID, game::TESForm* a_base)
	{
		auto& actor = add_actor(a_formID);
		actor.ref.baseObject = a_base;
		return actor;
	}

	game::Actor& References::add_actor(Forms& a_forms, std::string_view a_name, std::uint32_t a_formID)
	{
		return add_actor(a_formID, &a_forms.add_base(0x00FF0000 | (a_formID & 0xFFFF), a_name));
	}

	game::TESObjectREFR& References::add_reference(std::uint32_t a_formID, std::uint8_t a_type, game::TESForm* a_base)
	{
		auto& ref = references.emplace_back();
		ref.form.vtable = form_vtable();
		ref.form.formID = a_formID;
		ref.form.formType = a_type;
		ref.baseObject = a_base;
		ref.parentCell = &exterior;
		return ref;
	}

	void References::add_handle(std::uint32_t a_handle, game::TESObjectREFR* a_ref)
	{
		if (a_handle >= byHandle.size()) {
			byHandle.resize(std::size_t{ a_handle } + 1, nullptr);
		}
		byHandle[a_handle] = a_ref;
		handleElements.push_back(std::uint64_t{ a_handle } << 32 | 0x5A5A5A5A);
		handleList.count = static_cast<std::uint32_t>(handleElements.size());
		handleList.elements = handleElements.data();
	}

	void References::set_display_name(game::TESObjectREFR& a_ref, const game::StringEntry* a_entry)
	{
		auto& extra = displayNames.emplace_back();
		extra.displayName.entry = a_entry;
		if (!a_ref.extraList) {
			a_ref.extraList = &extraLists.emplace_back();
		}
		a_ref.extraList->displayName = &extra;
	}

	game::TESObjectREFR* References::find(std::uint32_t a_formID) noexcept
	{
		if (player.ref.form.formID == a_formID) {
			return &player.ref;
		}
		for (auto& actor : actors) {
			if (actor.ref.form.formID == a_formID) {
				return &actor.ref;
			}
		}
		for (auto& ref : references) {
			if (ref.form.formID == a_formID) {
				return &ref;
			}
		}
		return nullptr;
	}

	std::uint32_t References::add_handle(game::TESObjectREFR* a_ref)
	{
		const auto handle = static_cast<std::uint32_t>(byHandle.size());
		byHandle.push_back(a_ref);
		handleElements.push_back(std::uint64_t{ handle } << 32);
		handleList.count = static_cast<std::uint32_t>(handleElements.size());
		handleList.elements = handleElements.data();
		return handle;
	}
}
