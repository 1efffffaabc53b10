#pragma once
// The per-frame hook in slot 61 of the fade node's virtual table. The thunk
// asks Update3DVFuncStruct::GetDesiredVisibilityState for the state and
// hands it, with the node, to the game's own function, whose result goes
// back to the game.
#include <cstdint>

namespace RE
{
	class BSFadeNode;
}

// The game's own function, as the slot held it before the first
// installation; null until then.
using VisibilityFunction = std::uint64_t (*)(RE::BSFadeNode*, std::uint8_t);
extern VisibilityFunction OriginalVisibilityFunction;

std::uint64_t VisibilityThunk(RE::BSFadeNode* a_node, std::uint8_t a_visibilityState);

// Replaces the slot by the thunk. A slot that leads to the thunk already is
// left alone, so the thunk is never taken for the game's function. A
// refused protection change leaves the game's function in place, silently.
void InstallVisibilityHook();
