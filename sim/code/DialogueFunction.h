#pragma once
// The game's dialogue function: it reaches the calls at + 0x239 and + 0x28E
// with the game's calling convention and all nine arguments, five of them on
// the stack, and checks that the stack and the callee-saved registers come
// back as they went in. Shared by the assembler and C++: the displacements
// below are the only copy.
#include <cstddef>
#include <cstdint>

#define SIM_DIALOGUE_FIRST_CALL 0x239
#define SIM_DIALOGUE_SECOND_CALL 0x28E

// The call frame the simulation hands to the dialogue function.
#define SIM_FRAME_ARGS 0x000        // nine 64-bit argument slots
#define SIM_FRAME_WHICH 0x048       // 1: the first call, 2: the second
#define SIM_FRAME_RESULT 0x050
#define SIM_FRAME_RSP_BEFORE 0x058
#define SIM_FRAME_RSP_AFTER 0x060
#define SIM_FRAME_GP_CANARY 0x068   // rbx rbp rdi rsi r12 r13 r14 r15
#define SIM_FRAME_GP_AFTER 0x0A8
#define SIM_FRAME_XMM_CANARY 0x0E8  // xmm6 to xmm15, 16 bytes each
#define SIM_FRAME_XMM_AFTER 0x188
#define SIM_FRAME_XMM_SAVED 0x228
#define SIM_FRAME_SIZE 0x2C8

namespace sim::code
{
	inline constexpr std::ptrdiff_t kDialogueFirstCall = SIM_DIALOGUE_FIRST_CALL;
	inline constexpr std::ptrdiff_t kDialogueSecondCall = SIM_DIALOGUE_SECOND_CALL;

	struct DialogueFrame
	{
		std::uint64_t args[9];
		std::uint64_t which;
		std::uint64_t result;
		std::uint64_t rspBefore;
		std::uint64_t rspAfter;
		std::uint64_t gpCanary[8];
		std::uint64_t gpAfter[8];
		std::uint64_t xmmCanary[10][2];
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
}

extern "C"
{
	// The game's dialogue function (the code of ID 2157294).
	extern const std::byte sim_DialogueFunction[];
	// Runs it: the call the frame names, with the frame's arguments.
	void sim_RunDialogueFunction(sim::code::DialogueFrame* a_frame);
	// The game's two idle-line functions, the calls' targets.
	extern const std::byte sim_IdleLine01Entry[];
	extern const std::byte sim_IdleLine02Entry[];
	// rsp modulo 16 when an idle-line function was last entered (8 is right).
	extern std::uint64_t sim_IdleLineEntryAlignment;
}
