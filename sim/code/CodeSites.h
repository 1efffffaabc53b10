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
   functions, each reached from an entry routine of its own. */
#define SIM_DIALOGUE_FIRST_ENTRY 0x100
#define SIM_DIALOGUE_FIRST_CALL 0x239
#define SIM_DIALOGUE_SECOND_ENTRY 0x180
#define SIM_DIALOGUE_SECOND_CALL 0x28E
#define SIM_DIALOGUE_SIZE 0x2A0

/* The fade node's virtual table: the visibility update in this slot. */
#define SIM_FADE_NODE_VISIBILITY_SLOT 61
#define SIM_FADE_NODE_SLOTS 64

#endif
