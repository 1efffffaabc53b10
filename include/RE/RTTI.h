#pragma once
// The game's run-time cast between the types of one object.
#include <cstdint>

#include "RE/IDs.h"
#include "REL/ID.h"

namespace RE
{
	namespace detail
	{
		using RTDynamicCast_t = void* (*)(const void*, std::int32_t, const void*, const void*, std::int32_t);

		inline void* call_rt_dynamic_cast(const void* a_object, std::uintptr_t a_from, std::uintptr_t a_to)
		{
			static const REL::Relocation<RTDynamicCast_t> func{ IDs::RTDynamicCast };
			return func(a_object, 0, reinterpret_cast<const void*>(a_from), reinterpret_cast<const void*>(a_to), 0);
		}
	}

	// a_object seen as the type described at a_to, coming from the type
	// described at a_from; null when it isn't one. Each descriptor's address
	// is resolved once per process.
	template <const REL::ID& From, const REL::ID& To>
	void* RTDynamicCast(const void* a_object)
	{
		static const std::uintptr_t from = From.address();
		static const std::uintptr_t to = To.address();
		return detail::call_rt_dynamic_cast(a_object, from, to);
	}
}
