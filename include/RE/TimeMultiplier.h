#pragma once
// The game's time multipliers: the one in force now, the global one, and the
// game's own function that sets the first.
#include "RE/IDs.h"
#include "REL/ID.h"

namespace RE
{
	// Read where no multiplier can be located.
	inline constexpr float kNoTimeMultiplier = -1.0f;

	namespace detail
	{
		inline float read_multiplier(const REL::Relocation<const float*>& a_value) noexcept
		{
			return a_value.address() ? *a_value.get() : kNoTimeMultiplier;
		}
	}

	inline float GetCurrentTimeMultiplier()
	{
		static const REL::Relocation<const float*> value{ IDs::CurrentTimeMultiplier };
		return detail::read_multiplier(value);
	}

	// 1.0 while time runs normally.
	inline float GetGlobalTimeMultiplier()
	{
		static const REL::Relocation<const float*> value{ IDs::GlobalTimeMultiplier };
		return detail::read_multiplier(value);
	}

	// Afterwards the game runs at a_multiplier, and the current multiplier
	// holds it. The game's first argument is unused by the plugin (0); the
	// third is always 1.0.
	inline void SetTimeMultiplier(float a_multiplier)
	{
		using SetTimeMultiplier_t = void (*)(void*, float, float);
		static const REL::Relocation<SetTimeMultiplier_t> func{ IDs::SetTimeMultiplier };
		func(nullptr, a_multiplier, 1.0f);
	}
}
