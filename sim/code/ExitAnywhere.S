// The function that decides whether the player may leave the vehicle: only
// the one instruction the plugin patches is real, the rest is int3.
#include "sim/code/CodeSites.h"

	.section .text$sim_exit_anywhere,"xr"
	.balign 16
	.globl sim_ExitAnywhereFunction
sim_ExitAnywhereFunction:
	.fill SIM_EXIT_ANYWHERE_SITE, 1, 0xCC
	.globl sim_ExitAnywhereSite
sim_ExitAnywhereSite:
	// cmp byte ptr [rbp + 0xF0], sil: the game's own form.
	.byte 0x40, 0x38, 0xB5, 0xF0, 0x00, 0x00, 0x00
	.org sim_ExitAnywhereFunction + SIM_EXIT_ANYWHERE_SIZE, 0xCC
