#pragma once
// The game's nine string value slots: slot 1's saved value is the one copied
// into the others; group A is slots 2 and 3, group B slots 4 to 9.
#include <array>
#include <cstddef>
#include <cstdint>

enum class StringValueGroup
{
	kA,
	kB,
};

// Stores slot 1's saved value into every slot of a_group.
void CopyFirstStringValueInto(StringValueGroup a_group) noexcept;

// Stores each slot of a_group's own saved value back into it.
void RestoreStringValues(StringValueGroup a_group) noexcept;

// Where the game keeps the nine slots, resolved once per process.
const std::array<std::uint64_t*, 9>& GetStringValueSlotAddresses();

// Captures every slot's address and current value; shows "Internal error:
// code .." and ends the process at the first slot without an address.
void CaptureStringValueSlots(const std::array<std::uint64_t*, 9>& a_addresses);
