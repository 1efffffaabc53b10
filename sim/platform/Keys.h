#pragma once
// Keys in the simulated game: a module's GetKeyState answers from the
// world's keyboard (sim::World::input), so a test holds a key by setting it.
#include <windows.h>

namespace sim
{
	// Redirects a_module's user32!GetKeyState; false when it doesn't import it.
	bool redirect_keys(HMODULE a_module);
}
