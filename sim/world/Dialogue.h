#pragma once
// Idle dialogue lines: what the game's two line functions (behind the
// dialogue call sites) answer.
#include <cstdint>

namespace sim
{
	namespace game
	{
		struct TESTopicInfo
		{
			std::uint32_t formID;
		};
	}

	struct Dialogue
	{
		game::TESTopicInfo topicInfo{ 0x1D1E };
		// What the first line function returns; the second returns its number.
		game::TESTopicInfo* firstLineResult{ nullptr };
		std::uint64_t uSecondLineResult{ 2 };
	};
}
