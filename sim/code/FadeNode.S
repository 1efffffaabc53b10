// The fade node's virtual table, in read-only data as the game has it: the
// game's visibility update in its slot, stand-ins that do nothing in the
// others.
#include "sim/code/CodeSites.h"

	.section .rdata$sim_fade_node,"dr"
	.balign 8
	.globl sim_BSFadeNodeVTable
sim_BSFadeNodeVTable:
	.rept SIM_FADE_NODE_VISIBILITY_SLOT
	.quad sim_VirtualStandIn
	.endr
	.quad sim_FadeNodeUpdateVisibility
	.rept SIM_FADE_NODE_SLOTS - SIM_FADE_NODE_VISIBILITY_SLOT - 1
	.quad sim_VirtualStandIn
	.endr
