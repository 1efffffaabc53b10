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
