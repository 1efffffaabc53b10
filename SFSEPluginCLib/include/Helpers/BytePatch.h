#pragma once
// Comparing and patching bytes of the game's code.
#include <cstddef>
#include <cstdint>
#include <vector>

// The longest sequence WriteBytes takes.
inline constexpr std::size_t MaxPatchSize = 200;

// Writes the bytes at TargetAddress and after. Only the pages the bytes
// touch are made writable, and each gets its own protection back; the
// instruction cache is flushed for the written bytes. Bytes within one
// aligned 8-byte word are written in one atomic step, so that code running
// on another thread meanwhile sees them all or none. False, with one error
// line, for a zero address, an empty or over-long sequence, or a protection
// change the system refuses (nothing written when the first change fails;
// the bytes stay written when only the restore fails).
bool WriteBytes(std::vector<std::uint8_t> BytesToWrite, std::uint64_t TargetAddress);

// Whether the bytes at TargetAddress are BytesToCompareWith. Reads only; a
// zero address and an empty sequence give false with one error line.
bool ReadCompareBytes(std::vector<std::uint8_t> BytesToCompareWith, std::uint64_t TargetAddress);
