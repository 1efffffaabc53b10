#pragma once
// Rows of the game index: an ID and where the item lies in the simulated
// game. Each area lists its own rows (functions, globals, data); the index
// concatenates the lists.
#include <cstdint>

#include "RE/IDs.h"
#include "sim/GameIndex.h"

namespace sim
{
	template <class R, class... Args>
	GameItem function_row(REL::ID a_id, R (*a_function)(Args...)) noexcept
	{
		return { a_id, reinterpret_cast<std::uintptr_t>(a_function) };
	}

	// A global (a pointer stored at the address) or a data item.
	template <class T>
	GameItem data_row(REL::ID a_id, T& a_item) noexcept
	{
		return { a_id, reinterpret_cast<std::uintptr_t>(&a_item) };
	}

	namespace detail
	{
		// A function the simulation hasn't given behaviour yet: distinct
		// per ID, and it says which one it is.
		template <std::uint64_t Id>
		std::uint64_t ReturnOwnId()
		{
			return Id;
		}
	}

	template <std::uint64_t Id>
	GameItem placeholder_row() noexcept
	{
		return function_row(REL::ID{ Id }, &detail::ReturnOwnId<Id>);
	}
}
