/* The game's code sites: where in each code item the plugin finds the
   instruction it patches or the call it hooks. Included by the assembler
   files that lay the code out and by the C++ that checks and runs it, so
   the two can't disagree. Plain #defines only: the assembler reads this. */
#ifndef SIM_CODE_CODESITES_H
#define SIM_CODE_CODESITES_H

/* The Exit Anywhere function: its 7-byte compare at this displacement. */
#define SIM_EXIT_ANYWHERE_SITE 0x6F8
#define SIM_EXIT_ANYWHERE_SIZE 0x710

/* The dialogue function: two 5-byte relative calls of the idle-line
   functions. It runs from a frame (below) that names the call and holds
   its nine arguments, and notes the stack and the callee-saved registers
   on both sides of the call. */
#define SIM_DIALOGUE_FIRST_CALL 0x239
#define SIM_DIALOGUE_SECOND_CALL 0x28E
#define SIM_DIALOGUE_SIZE 0x400

/* The dialogue function's frame (sim::code::DialogueFrame). */
#define SIM_FRAME_ARGS 0x000  /* nine 64-bit argument slots */
#define SIM_FRAME_WHICH 0x048 /* 1: the first call, 2: the second */
#define SIM_FRAME_RESULT 0x050
#define SIM_FRAME_RSP_BEFORE 0x058
#define SIM_FRAME_RSP_AFTER 0x060
#define SIM_FRAME_GP_CANARY 0x068 /* rbx rbp rdi rsi r12 r13 r14 r15 */
#define SIM_FRAME_GP_AFTER 0x0A8
#define SIM_FRAME_XMM_CANARY 0x0E8 /* xmm6 to xmm15, 16 bytes each */
#define SIM_FRAME_XMM_AFTER 0x188
#define SIM_FRAME_XMM_SAVED 0x228
#define SIM_FRAME_SIZE 0x2C8

/* The fade node's virtual table: the visibility update in this slot. */
#define SIM_FADE_NODE_VISIBILITY_SLOT 61
#define SIM_FADE_NODE_SLOTS 64

#endif
