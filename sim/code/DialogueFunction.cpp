#include "sim/code/DialogueFunction.h"

#if !defined(__GNUC__)
#error "the simulated game's code sites are written in GNU assembler (MinGW)"
#endif

std::uint64_t sim_IdleLineEntryAlignment = 0;

#define SIM_STR2(x) #x
#define SIM_STR(x) SIM_STR2(x)
#define FRAME(field, extra) SIM_STR(field) "+" #extra "(%rcx)"

// The dialogue function begins its own section, so that .org counts from its
// first byte and the assembler refuses to build it if the prologue grows past
// the first call.
asm(R"(
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
)"
	// The caller's xmm6 to xmm15 are kept in the frame, the canaries loaded.
	"movdqu %xmm6, " FRAME(SIM_FRAME_XMM_SAVED, 0x00) "\n"
	"movdqu %xmm7, " FRAME(SIM_FRAME_XMM_SAVED, 0x10) "\n"
	"movdqu %xmm8, " FRAME(SIM_FRAME_XMM_SAVED, 0x20) "\n"
	"movdqu %xmm9, " FRAME(SIM_FRAME_XMM_SAVED, 0x30) "\n"
	"movdqu %xmm10, " FRAME(SIM_FRAME_XMM_SAVED, 0x40) "\n"
	"movdqu %xmm11, " FRAME(SIM_FRAME_XMM_SAVED, 0x50) "\n"
	"movdqu %xmm12, " FRAME(SIM_FRAME_XMM_SAVED, 0x60) "\n"
	"movdqu %xmm13, " FRAME(SIM_FRAME_XMM_SAVED, 0x70) "\n"
	"movdqu %xmm14, " FRAME(SIM_FRAME_XMM_SAVED, 0x80) "\n"
	"movdqu %xmm15, " FRAME(SIM_FRAME_XMM_SAVED, 0x90) "\n"
	"movdqu " FRAME(SIM_FRAME_XMM_CANARY, 0x00) ", %xmm6\n"
	"movdqu " FRAME(SIM_FRAME_XMM_CANARY, 0x10) ", %xmm7\n"
	"movdqu " FRAME(SIM_FRAME_XMM_CANARY, 0x20) ", %xmm8\n"
	"movdqu " FRAME(SIM_FRAME_XMM_CANARY, 0x30) ", %xmm9\n"
	"movdqu " FRAME(SIM_FRAME_XMM_CANARY, 0x40) ", %xmm10\n"
	"movdqu " FRAME(SIM_FRAME_XMM_CANARY, 0x50) ", %xmm11\n"
	"movdqu " FRAME(SIM_FRAME_XMM_CANARY, 0x60) ", %xmm12\n"
	"movdqu " FRAME(SIM_FRAME_XMM_CANARY, 0x70) ", %xmm13\n"
	"movdqu " FRAME(SIM_FRAME_XMM_CANARY, 0x80) ", %xmm14\n"
	"movdqu " FRAME(SIM_FRAME_XMM_CANARY, 0x90) ", %xmm15\n"
	// Arguments 5 to 9 on the stack, above the callee's 32-byte home area.
	"movq " FRAME(SIM_FRAME_ARGS, 0x20) ", %rax\n movq %rax, 0x20(%rsp)\n"
	"movq " FRAME(SIM_FRAME_ARGS, 0x28) ", %rax\n movq %rax, 0x28(%rsp)\n"
	"movq " FRAME(SIM_FRAME_ARGS, 0x30) ", %rax\n movq %rax, 0x30(%rsp)\n"
	"movq " FRAME(SIM_FRAME_ARGS, 0x38) ", %rax\n movq %rax, 0x38(%rsp)\n"
	"movq " FRAME(SIM_FRAME_ARGS, 0x40) ", %rax\n movq %rax, 0x40(%rsp)\n"
	"movq %rsp, " FRAME(SIM_FRAME_RSP_BEFORE, 0) "\n"
	"movq " FRAME(SIM_FRAME_GP_CANARY, 0x00) ", %rbx\n"
	"movq " FRAME(SIM_FRAME_GP_CANARY, 0x08) ", %rbp\n"
	"movq " FRAME(SIM_FRAME_GP_CANARY, 0x10) ", %rdi\n"
	"movq " FRAME(SIM_FRAME_GP_CANARY, 0x18) ", %rsi\n"
	"movq " FRAME(SIM_FRAME_GP_CANARY, 0x20) ", %r12\n"
	"movq " FRAME(SIM_FRAME_GP_CANARY, 0x28) ", %r13\n"
	"movq " FRAME(SIM_FRAME_GP_CANARY, 0x30) ", %r14\n"
	"movq " FRAME(SIM_FRAME_GP_CANARY, 0x38) ", %r15\n"
	"movq " FRAME(SIM_FRAME_WHICH, 0) ", %rax\n"
	"movq " FRAME(SIM_FRAME_ARGS, 0x08) ", %rdx\n"
	"movq " FRAME(SIM_FRAME_ARGS, 0x10) ", %r8\n"
	"movq " FRAME(SIM_FRAME_ARGS, 0x18) ", %r9\n"
	"movq " FRAME(SIM_FRAME_ARGS, 0x00) ", %rcx\n"
	R"(
	cmpq $2, %rax
	je sim_DialogueSecondCall
	jmp sim_DialogueFirstCall
)"
	"	.org " SIM_STR(SIM_DIALOGUE_FIRST_CALL) ", 0xCC\n"
	R"(
sim_DialogueFirstCall:
	call sim_IdleLine01Entry
	jmp sim_DialogueCallDone
)"
	"	.org " SIM_STR(SIM_DIALOGUE_SECOND_CALL) ", 0xCC\n"
	R"(
sim_DialogueSecondCall:
	call sim_IdleLine02Entry
sim_DialogueCallDone:
	movq 0x50(%rsp), %rcx
)"
	"movq %rax, " FRAME(SIM_FRAME_RESULT, 0) "\n"
	"movq %rsp, " FRAME(SIM_FRAME_RSP_AFTER, 0) "\n"
	"movq %rbx, " FRAME(SIM_FRAME_GP_AFTER, 0x00) "\n"
	"movq %rbp, " FRAME(SIM_FRAME_GP_AFTER, 0x08) "\n"
	"movq %rdi, " FRAME(SIM_FRAME_GP_AFTER, 0x10) "\n"
	"movq %rsi, " FRAME(SIM_FRAME_GP_AFTER, 0x18) "\n"
	"movq %r12, " FRAME(SIM_FRAME_GP_AFTER, 0x20) "\n"
	"movq %r13, " FRAME(SIM_FRAME_GP_AFTER, 0x28) "\n"
	"movq %r14, " FRAME(SIM_FRAME_GP_AFTER, 0x30) "\n"
	"movq %r15, " FRAME(SIM_FRAME_GP_AFTER, 0x38) "\n"
	"movdqu %xmm6, " FRAME(SIM_FRAME_XMM_AFTER, 0x00) "\n"
	"movdqu %xmm7, " FRAME(SIM_FRAME_XMM_AFTER, 0x10) "\n"
	"movdqu %xmm8, " FRAME(SIM_FRAME_XMM_AFTER, 0x20) "\n"
	"movdqu %xmm9, " FRAME(SIM_FRAME_XMM_AFTER, 0x30) "\n"
	"movdqu %xmm10, " FRAME(SIM_FRAME_XMM_AFTER, 0x40) "\n"
	"movdqu %xmm11, " FRAME(SIM_FRAME_XMM_AFTER, 0x50) "\n"
	"movdqu %xmm12, " FRAME(SIM_FRAME_XMM_AFTER, 0x60) "\n"
	"movdqu %xmm13, " FRAME(SIM_FRAME_XMM_AFTER, 0x70) "\n"
	"movdqu %xmm14, " FRAME(SIM_FRAME_XMM_AFTER, 0x80) "\n"
	"movdqu %xmm15, " FRAME(SIM_FRAME_XMM_AFTER, 0x90) "\n"
	"movdqu " FRAME(SIM_FRAME_XMM_SAVED, 0x00) ", %xmm6\n"
	"movdqu " FRAME(SIM_FRAME_XMM_SAVED, 0x10) ", %xmm7\n"
	"movdqu " FRAME(SIM_FRAME_XMM_SAVED, 0x20) ", %xmm8\n"
	"movdqu " FRAME(SIM_FRAME_XMM_SAVED, 0x30) ", %xmm9\n"
	"movdqu " FRAME(SIM_FRAME_XMM_SAVED, 0x40) ", %xmm10\n"
	"movdqu " FRAME(SIM_FRAME_XMM_SAVED, 0x50) ", %xmm11\n"
	"movdqu " FRAME(SIM_FRAME_XMM_SAVED, 0x60) ", %xmm12\n"
	"movdqu " FRAME(SIM_FRAME_XMM_SAVED, 0x70) ", %xmm13\n"
	"movdqu " FRAME(SIM_FRAME_XMM_SAVED, 0x80) ", %xmm14\n"
	"movdqu " FRAME(SIM_FRAME_XMM_SAVED, 0x90) ", %xmm15\n"
	R"(
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
	.fill 8, 1, 0xCC

	.section .text$sim_idle_lines,"xr"
	.balign 16
	.globl sim_IdleLine01Entry
sim_IdleLine01Entry:
	movq %rsp, %rax
	andq $15, %rax
	movq %rax, sim_IdleLineEntryAlignment(%rip)
	jmp sim_IdleLine01
	.balign 16
	.globl sim_IdleLine02Entry
sim_IdleLine02Entry:
	movq %rsp, %rax
	andq $15, %rax
	movq %rax, sim_IdleLineEntryAlignment(%rip)
	jmp sim_IdleLine02
	.text
)");
