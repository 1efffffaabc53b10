// The function that picks a speaker's idle line. Two entry routines stand in
// for the paths through it: each takes the nine arguments of its idle-line
// function, passes them on through the relative call at its site (the call
// the plugin hooks) and returns the result. The stack stays aligned for the
// callee; the five stack arguments are copied into the callee's frame.
#include "sim/code/CodeSites.h"

// An entry routine at ENTRY that goes on at LABEL.
.macro idle_line_entry entry, name, label
	.org sim_DialogueFunction + \entry, 0xCC
	.globl \name
\name:
	subq $0x58, %rsp
	movq 0x80(%rsp), %rax
	movq %rax, 0x20(%rsp)
	movq 0x88(%rsp), %rax
	movq %rax, 0x28(%rsp)
	movq 0x90(%rsp), %rax
	movq %rax, 0x30(%rsp)
	movq 0x98(%rsp), %rax
	movq %rax, 0x38(%rsp)
	movq 0xA0(%rsp), %rax
	movq %rax, 0x40(%rsp)
	jmp \label
.endm

// The call at SITE (LABEL) of TARGET, and the routine's return.
.macro idle_line_call site, label, target
	.org sim_DialogueFunction + \site, 0xCC
\label:
	call \target
	addq $0x58, %rsp
	ret
.endm

	.section .text$sim_dialogue,"xr"
	.balign 16
	.globl sim_DialogueFunction
sim_DialogueFunction:
	idle_line_entry SIM_DIALOGUE_FIRST_ENTRY, sim_DialogueFirstRoutine, .Lsim_first_call
	idle_line_entry SIM_DIALOGUE_SECOND_ENTRY, sim_DialogueSecondRoutine, .Lsim_second_call
	idle_line_call SIM_DIALOGUE_FIRST_CALL, .Lsim_first_call, sim_DialogueFirstLine
	idle_line_call SIM_DIALOGUE_SECOND_CALL, .Lsim_second_call, sim_DialogueSecondLine
	.org sim_DialogueFunction + SIM_DIALOGUE_SIZE, 0xCC
