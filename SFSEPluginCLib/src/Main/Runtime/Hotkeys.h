#pragma once
// Hotkeys are Windows virtual-key codes, polled on every pass.
#include <cstdint>

// Whether the key is held (GetKeyState's high bit). Codes outside 1 to 254,
// which a hand-edited INI may hold, are never held: nothing is asked.
bool IsHotkeyDown(std::int32_t iHotkey);
