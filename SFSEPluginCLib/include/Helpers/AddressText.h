#pragma once
// Addresses as the log shows them.
#include <cstdint>
#include <string>

// Base of the game executable, taken once at load; relative address texts
// count from it.
extern std::uintptr_t GameModuleHandle;

// Upper-case hex without prefix or leading zeros ("A0F0"); with a_relative,
// "Starfield.exe + 0x1F0" relative to the game's base. Zero gives "". An
// address at or below the base can't be relative: one error line, then the
// absolute form.
std::string GetAddressAsHex(std::uint64_t a_address, bool a_relative);
