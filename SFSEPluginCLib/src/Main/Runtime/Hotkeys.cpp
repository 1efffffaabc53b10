#include "Runtime/Hotkeys.h"

#include <windows.h>

bool IsHotkeyDown(std::int32_t iHotkey)
{
	if (iHotkey < 1 || iHotkey > 254) {
		return false;
	}
	return ::GetKeyState(iHotkey) < 0;
}
