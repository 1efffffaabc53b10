#include "sim/code/Code.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

#include "RE/IDs.h"

#include "sim/world/World.h"

std::uint64_t sim_IdleLineEntryAlignment = 0;

extern "C" void sim_RunDialogueFunction(sim::code::DialogueFrame* a_frame);

namespace sim::code
{
	namespace
	{
		std::uint64_t bits(const void* a_pointer) { return reinterpret_cast<std::uintptr_t>(a_pointer); }

		// Narrow arguments arrive with other bytes above their own, as the
		// game's registers and stack slots may hold.
		constexpr std::uint64_t kUpperBytes = 0xDEADBEEF00000000;
		std::uint64_t narrow(std::int32_t a_value) { return kUpperBytes | static_cast<std::uint32_t>(a_value); }

		game::TESTopicInfo* FirstLineThroughSite(std::uint64_t a1, std::int32_t a2, std::int32_t a3, game::TESObjectREFR* akSpeaker,
			game::TESObjectREFR* akTarget, std::uint64_t a6, std::uint64_t a7, std::uint64_t a8, std::uint64_t a9)
		{
			const std::uint64_t args[9]{ a1, narrow(a2), narrow(a3), bits(akSpeaker), bits(akTarget), a6, a7, a8, a9 };
			return reinterpret_cast<game::TESTopicInfo*>(run_dialogue_function(1, args).result);
		}

		std::uint64_t SecondLineThroughSite(std::uint64_t a1, game::TESObjectREFR* akSpeaker, std::int32_t a3, std::int32_t a4,
			std::uint64_t a5, game::TESObjectREFR* akTarget, char a7, game::TESTopicInfo* a8, std::uint64_t a9)
		{
			const std::uint64_t args[9]{ a1, bits(akSpeaker), narrow(a3), narrow(a4), a5, bits(akTarget),
				(kUpperBytes | 0xFFFFFF00) | static_cast<std::uint8_t>(a7), bits(a8), a9 };
			return run_dialogue_function(2, args).result;
		}
	}

	DialogueRun run_dialogue_function(int a_which, const std::uint64_t (&a_args)[9])
	{
		DialogueFrame frame{};
		std::copy(std::begin(a_args), std::end(a_args), std::begin(frame.args));
		frame.which = static_cast<std::uint64_t>(a_which);
		for (std::uint64_t i = 0; i < 8; ++i) {
			frame.gpCanary[i] = 0xC0DE000000000000 | (i << 8) | 0x5A;
		}
		for (std::uint64_t i = 0; i < 10; ++i) {
			frame.xmmCanary[i][0] = 0xF10A700000000000 | i;
			frame.xmmCanary[i][1] = 0x0DDBA11000000000 | (i << 4);
		}
		sim_RunDialogueFunction(&frame);

		DialogueRun run;
		run.result = frame.result;
		run.bStackKept = frame.rspBefore == frame.rspAfter;
		run.bRegistersKept = std::equal(std::begin(frame.gpCanary), std::end(frame.gpCanary), std::begin(frame.gpAfter)) &&
			std::memcmp(frame.xmmCanary, frame.xmmAfter, sizeof(frame.xmmAfter)) == 0;
		auto& dialogue = world().dialogue;
		dialogue.bStackKept = run.bStackKept;
		dialogue.bRegistersKept = run.bRegistersKept;
		return run;
	}

	FirstLine first_line_routine() noexcept
	{
		return &FirstLineThroughSite;
	}

	SecondLine second_line_routine() noexcept
	{
		return &SecondLineThroughSite;
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
