#pragma once
// The game's code sites as C++ sees them: the named entry points of the
// assembler files, with the displacements they share.
#include <cstddef>
#include <cstdint>
#include <span>

#include "sim/GameIndex.h"
#include "sim/code/CodeSites.h"
#include "sim/world/Dialogue.h"
#include "sim/world/References.h"
#include "sim/world/Scene.h"

extern "C"
{
	extern const std::byte sim_ExitAnywhereFunction[];
	extern const std::byte sim_ExitAnywhereSite[];
	extern const std::byte sim_DialogueFunction[];
	extern const void* const sim_BSFadeNodeVTable[];
	// The game's two idle-line functions, the dialogue calls' targets.
	extern const std::byte sim_IdleLine01Entry[];
	extern const std::byte sim_IdleLine02Entry[];
	// rsp modulo 16 when an idle-line function was last entered (8 is right).
	extern std::uint64_t sim_IdleLineEntryAlignment;
}

namespace sim::code
{
	inline constexpr std::ptrdiff_t kExitAnywhereSite = SIM_EXIT_ANYWHERE_SITE;
	inline constexpr std::ptrdiff_t kDialogueFirstCall = SIM_DIALOGUE_FIRST_CALL;
	inline constexpr std::ptrdiff_t kDialogueSecondCall = SIM_DIALOGUE_SECOND_CALL;
	inline constexpr std::size_t kFadeNodeVisibilitySlot = SIM_FADE_NODE_VISIBILITY_SLOT;
	static_assert(kFadeNodeVisibilitySlot == game::kUpdateVisibilitySlot);

	// What the dialogue function runs from (Dialogue.S): the call to make
	// and its arguments, and what it notes on both sides of the call.
	struct DialogueFrame
	{
		std::uint64_t args[9];
		std::uint64_t which;  // 1: the first call, 2: the second
		std::uint64_t result;
		std::uint64_t rspBefore;
		std::uint64_t rspAfter;
		std::uint64_t gpCanary[8];  // rbx rbp rdi rsi r12 r13 r14 r15
		std::uint64_t gpAfter[8];
		std::uint64_t xmmCanary[10][2];  // xmm6 to xmm15
		std::uint64_t xmmAfter[10][2];
		std::uint64_t xmmSaved[10][2];
	};
	static_assert(offsetof(DialogueFrame, args) == SIM_FRAME_ARGS);
	static_assert(offsetof(DialogueFrame, which) == SIM_FRAME_WHICH);
	static_assert(offsetof(DialogueFrame, result) == SIM_FRAME_RESULT);
	static_assert(offsetof(DialogueFrame, rspBefore) == SIM_FRAME_RSP_BEFORE);
	static_assert(offsetof(DialogueFrame, rspAfter) == SIM_FRAME_RSP_AFTER);
	static_assert(offsetof(DialogueFrame, gpCanary) == SIM_FRAME_GP_CANARY);
	static_assert(offsetof(DialogueFrame, gpAfter) == SIM_FRAME_GP_AFTER);
	static_assert(offsetof(DialogueFrame, xmmCanary) == SIM_FRAME_XMM_CANARY);
	static_assert(offsetof(DialogueFrame, xmmAfter) == SIM_FRAME_XMM_AFTER);
	static_assert(offsetof(DialogueFrame, xmmSaved) == SIM_FRAME_XMM_SAVED);
	static_assert(sizeof(DialogueFrame) == SIM_FRAME_SIZE);

	// One run of the dialogue function through call a_which (1 or 2) with
	// a_args as they lie in registers and stack slots; the result, and
	// whether the stack and the callee-saved registers came back intact.
	struct DialogueRun
	{
		std::uint64_t result{ 0 };
		bool bStackKept{ false };
		bool bRegistersKept{ false };
	};
	DialogueRun run_dialogue_function(int a_which, const std::uint64_t (&a_args)[9]);

	// The two idle-line functions behind the dialogue call sites, with the
	// game's signatures; routines that reach them through the sites (each a
	// run of the dialogue function, noted in World::dialogue).
	using FirstLine = game::TESTopicInfo* (*)(std::uint64_t, std::int32_t, std::int32_t, game::TESObjectREFR* akSpeaker,
		game::TESObjectREFR* akTarget, std::uint64_t, std::uint64_t, std::uint64_t, std::uint64_t);
	using SecondLine = std::uint64_t (*)(std::uint64_t, game::TESObjectREFR* akSpeaker, std::int32_t, std::int32_t,
		std::uint64_t, game::TESObjectREFR* akTarget, char, game::TESTopicInfo*, std::uint64_t);
	FirstLine first_line_routine() noexcept;
	SecondLine second_line_routine() noexcept;

	// The fade node's visibility update (what the table's slot holds).
	using UpdateVisibility = std::uint8_t (*)(game::NiNode*, std::uint8_t);

	std::span<const GameItem> rows();
}
