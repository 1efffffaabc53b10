// The function that picks a speaker's idle line. It runs from a frame
// (rcx) that names one of its two calls and holds the nine arguments: it
// loads canaries into the callee-saved registers (rbx, rbp, rdi, rsi,
// r12-r15, xmm6-xmm15), passes arguments 1 to 4 in registers and 5 to 9 on
// the stack above the callee's home area, makes the relative call at its
// site (the call the plugin hooks), and writes back the result, rsp and
// every callee-saved register as they came back. The caller's own
// registers are restored before it returns.
#include "sim/code/CodeSites.h"

#define FRAME(field, extra) field + extra(%rcx)

	.section .text$sim_dialogue,"xr"
	.balign 16
	.globl sim_DialogueFunction
	.globl sim_RunDialogueFunction
sim_DialogueFunction:
sim_RunDialogueFunction:
	pushq %rbx
	pushq %rbp
	pushq %rdi
	pushq %rsi
	pushq %r12
	pushq %r13
	pushq %r14
	pushq %r15
	subq $0x58, %rsp
	movq %rcx, 0x50(%rsp)

	.irp n, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15
	movdqu %xmm\n, FRAME(SIM_FRAME_XMM_SAVED, (\n - 6) * 16)
	movdqu FRAME(SIM_FRAME_XMM_CANARY, (\n - 6) * 16), %xmm\n
	.endr

	.irp slot, 0x20, 0x28, 0x30, 0x38, 0x40
	movq FRAME(SIM_FRAME_ARGS, \slot), %rax
	movq %rax, \slot(%rsp)
	.endr
	movq %rsp, FRAME(SIM_FRAME_RSP_BEFORE, 0)

	movq FRAME(SIM_FRAME_GP_CANARY, 0x00), %rbx
	movq FRAME(SIM_FRAME_GP_CANARY, 0x08), %rbp
	movq FRAME(SIM_FRAME_GP_CANARY, 0x10), %rdi
	movq FRAME(SIM_FRAME_GP_CANARY, 0x18), %rsi
	movq FRAME(SIM_FRAME_GP_CANARY, 0x20), %r12
	movq FRAME(SIM_FRAME_GP_CANARY, 0x28), %r13
	movq FRAME(SIM_FRAME_GP_CANARY, 0x30), %r14
	movq FRAME(SIM_FRAME_GP_CANARY, 0x38), %r15
	movq FRAME(SIM_FRAME_WHICH, 0), %rax
	movq FRAME(SIM_FRAME_ARGS, 0x08), %rdx
	movq FRAME(SIM_FRAME_ARGS, 0x10), %r8
	movq FRAME(SIM_FRAME_ARGS, 0x18), %r9
	movq FRAME(SIM_FRAME_ARGS, 0x00), %rcx
	cmpq $2, %rax
	je .Lsim_second_call
	jmp .Lsim_first_call

	.org sim_DialogueFunction + SIM_DIALOGUE_FIRST_CALL, 0xCC
.Lsim_first_call:
	call sim_IdleLine01Entry
	jmp .Lsim_call_done

	.org sim_DialogueFunction + SIM_DIALOGUE_SECOND_CALL, 0xCC
.Lsim_second_call:
	call sim_IdleLine02Entry
.Lsim_call_done:
	movq 0x50(%rsp), %rcx
	movq %rax, FRAME(SIM_FRAME_RESULT, 0)
	movq %rsp, FRAME(SIM_FRAME_RSP_AFTER, 0)
	movq %rbx, FRAME(SIM_FRAME_GP_AFTER, 0x00)
	movq %rbp, FRAME(SIM_FRAME_GP_AFTER, 0x08)
	movq %rdi, FRAME(SIM_FRAME_GP_AFTER, 0x10)
	movq %rsi, FRAME(SIM_FRAME_GP_AFTER, 0x18)
	movq %r12, FRAME(SIM_FRAME_GP_AFTER, 0x20)
	movq %r13, FRAME(SIM_FRAME_GP_AFTER, 0x28)
	movq %r14, FRAME(SIM_FRAME_GP_AFTER, 0x30)
	movq %r15, FRAME(SIM_FRAME_GP_AFTER, 0x38)

	.irp n, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15
	movdqu %xmm\n, FRAME(SIM_FRAME_XMM_AFTER, (\n - 6) * 16)
	movdqu FRAME(SIM_FRAME_XMM_SAVED, (\n - 6) * 16), %xmm\n
	.endr

	addq $0x58, %rsp
	popq %r15
	popq %r14
	popq %r13
	popq %r12
	popq %rsi
	popq %rdi
	popq %rbp
	popq %rbx
	ret
	.org sim_DialogueFunction + SIM_DIALOGUE_SIZE, 0xCC

// The game's two idle-line functions, the calls' targets: each notes rsp
// modulo 16 at its entry (8 is right) and goes on in C++.
	.section .text$sim_idle_lines,"xr"
	.balign 16
	.globl sim_IdleLine01Entry
sim_IdleLine01Entry:
	movq %rsp, %rax
	andq $15, %rax
	movq %rax, sim_IdleLineEntryAlignment(%rip)
	jmp sim_DialogueFirstLine
	.balign 16
	.globl sim_IdleLine02Entry
sim_IdleLine02Entry:
	movq %rsp, %rax
	andq $15, %rax
	movq %rax, sim_IdleLineEntryAlignment(%rip)
	jmp sim_DialogueSecondLine
