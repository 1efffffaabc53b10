#include "sim/platform/Keys.h"

#include "sim/platform/ImportHook.h"
#include "sim/world/World.h"

namespace sim
{
	namespace
	{
		SHORT WINAPI get_key_state(int a_key)
		{
			const auto& keys = world().input.bKeyDown;
			// Down: the high bit set, as Windows reports a held key.
			return a_key >= 0 && a_key < static_cast<int>(keys.size()) && keys[a_key] ? static_cast<SHORT>(0xFF80) : 0;
		}
	}

	bool redirect_keys(HMODULE a_module)
	{
		return patch_import(a_module, "user32.dll", "GetKeyState", reinterpret_cast<void*>(&get_key_state)) != nullptr;
	}
}
