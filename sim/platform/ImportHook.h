#pragma once
// Redirects one imported function of a loaded module by rewriting its import
// address table entry. The simulation uses it to stand in for the parts of
// Windows a test must observe or steer (message boxes, key states) while the
// module's code runs unchanged.
#include <string_view>

#include <windows.h>

namespace sim
{
	// Returns the previous entry, or null when a_module doesn't import
	// a_dll!a_function by name.
	void* patch_import(HMODULE a_module, std::string_view a_dll, std::string_view a_function, void* a_replacement);
}
