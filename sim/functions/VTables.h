#pragma once
// Virtual tables of the game objects the world makes, as raw arrays in the
// game's slot order.
#include <cstddef>
#include <initializer_list>
#include <utility>

#include "sim/world/Forms.h"

namespace sim
{
	game::VTable form_vtable() noexcept;       // a plain form
	game::VTable actor_vtable() noexcept;      // an actor (form type 0x4B)
	game::VTable full_name_vtable() noexcept;  // RE::TESFullName
	game::VTable fade_node_vtable() noexcept;  // RE::BSFadeNode, in the game's read-only data

	// A table for the life of the process: a_slots slots that do nothing,
	// but for the (slot, function) pairs given.
	game::VTable make_vtable(std::size_t a_slots, std::initializer_list<std::pair<std::size_t, const void*>> a_functions);

	template <class F>
	const void* slot_function(F* a_function) noexcept
	{
		return reinterpret_cast<const void*>(a_function);
	}
}
