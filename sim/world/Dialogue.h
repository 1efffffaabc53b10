#pragma once
// Idle dialogue lines: what the game's two line functions (behind the
// dialogue call sites) answer, and what reached them.
#include <cstdint>
#include <vector>

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

		// rsp modulo 16 at each idle-line function's entry, in call order
		// (8 is right).
		std::vector<std::uint64_t> entryAlignments;
		// The last run of the dialogue function: rsp and the callee-saved
		// registers came back as they went in.
		bool bStackKept{ true };
		bool bRegistersKept{ true };
	};
}
