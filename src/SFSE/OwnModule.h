#pragma once
// The module this code is linked into: Tarmacor.dll in the game, the test
// executable in tests.
#include <filesystem>
#include <optional>

#include <windows.h>

namespace SFSE::detail
{
	HMODULE own_module() noexcept;

	// Full path of a module as the loader reports it; the buffer grows until
	// the path fits.
	std::optional<std::filesystem::path> module_path(HMODULE a_module);
}
