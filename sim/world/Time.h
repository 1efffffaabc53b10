#pragma once
// The game's time multipliers (data items).
namespace sim
{
	struct Time
	{
		float fCurrentTimeMultiplier{ 1.0f };  // RE::CurrentTimeMultiplier
		float fGlobalTimeMultiplier{ 1.0f };   // RE::GlobalTimeMultiplier
	};
}
