#pragma once
// Names of Windows virtual-key codes, as a player knows the keys. No Windows
// calls.
#include <cstdint>
#include <string>
#include <string_view>

// The key's name ("Q", "Space", "Left Shift", "F1", "Numpad 0"); empty for a
// code that names no key.
std::string_view GetVirtualKeyName(std::int32_t a_code) noexcept;

// "0x51 (Q)": the code in upper-case hex with at least two digits, then the
// key's name; "0xE8 (no key)" for a code that names none.
std::string DescribeHotkey(std::int32_t a_code);
