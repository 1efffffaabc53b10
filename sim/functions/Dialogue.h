#pragma once
// The game picking an idle line: its dialogue function reaches one of its two
// calls with nine arguments, as the game's own code does.
#include <cstdint>

namespace sim
{
	struct Form;

	struct IdleLineArgs
	{
		std::uint64_t a1{ 0x1111222233334444 };
		std::int32_t a2{ -2 };   // SayDialogue01: a2, a3; SayDialogue02: a3, a4
		std::int32_t a3{ 3 };
		Form* speaker{ nullptr };
		Form* target{ nullptr };
		std::uint64_t a5{ 0x5555 };  // SayDialogue02 only
		std::uint64_t a6{ 0x6666 };
		std::uint64_t a7{ 0x7777 };  // SayDialogue01; SayDialogue02 takes the low byte of
		char c7{ 'x' };
		std::uint64_t a8{ 0x8888 };  // SayDialogue01; SayDialogue02: the topic info pointer
		std::uint64_t a9{ 0x9999 };
		// What the narrow arguments' registers and stack slots hold above
		// their own bytes.
		std::uint64_t upperBytes{ 0xDEADBEEFFEEDFACE };
	};

	struct IdleLineOutcome
	{
		std::uint64_t result{ 0 };
		bool stackKept{ false };
		bool registersKept{ false };  // rbx, rbp, rdi, rsi, r12 to r15, xmm6 to xmm15
	};

	// The dialogue function's first call (+ 0x239): the line for a speaker
	// and a target (a1, a2, a3, speaker, target, a6 to a9).
	IdleLineOutcome SayFirstIdleLine(const IdleLineArgs& a_args);
	// Its second call (+ 0x28E): a1, speaker, a3 (a2), a4 (a3), a5, target,
	// the byte c7, a8, a9.
	IdleLineOutcome SaySecondIdleLine(const IdleLineArgs& a_args);
}
