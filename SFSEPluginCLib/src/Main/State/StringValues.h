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

// Makes every slot of a_group hold slot 1's saved value. A slot that holds
// it already isn't written: the hook asks on every fade node, and a store
// to a line the game's threads read costs them more than a look.
void CopyFirstStringValueInto(StringValueGroup a_group) noexcept;

// Makes each slot of a_group hold its own saved value again, likewise.
void RestoreStringValues(StringValueGroup a_group) noexcept;

// Where the game keeps the nine slots, resolved once per process.
const std::array<std::uint64_t*, 9>& GetStringValueSlotAddresses();
