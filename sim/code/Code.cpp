#include "sim/code/Code.h"

#include <array>

#include "RE/IDs.h"

extern "C"
{
	// Entries of Dialogue.S, declared with their real signatures here only.
	extern const std::byte sim_DialogueFirstRoutine[];
	extern const std::byte sim_DialogueSecondRoutine[];
}

namespace sim::code
{
	FirstLine first_line_routine() noexcept
	{
		return reinterpret_cast<FirstLine>(sim_DialogueFirstRoutine);
	}

	SecondLine second_line_routine() noexcept
	{
		return reinterpret_cast<SecondLine>(sim_DialogueSecondRoutine);
	}

	std::span<const GameItem> rows()
	{
		using namespace RE::IDs;
		static const std::array rows{
			GameItem{ ExitAnywhere::Function, reinterpret_cast<std::uintptr_t>(sim_ExitAnywhereFunction) },
			GameItem{ DialogueCallSites::Function, reinterpret_cast<std::uintptr_t>(sim_DialogueFunction) },
			GameItem{ BSFadeNode::VTable, reinterpret_cast<std::uintptr_t>(sim_BSFadeNodeVTable) },
		};
		return rows;
	}
}
