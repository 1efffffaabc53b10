#pragma once
// Spotting slips in INI key names. No Windows calls.
#include <optional>
#include <span>
#include <string_view>

// The known key a_key was most likely meant to be: the nearest by edit
// distance (insertions, deletions, substitutions and swaps of neighbours,
// case ignored), when it is near enough to be a slip rather than another
// word: one slip in a key of four letters or more, two in one of eight or
// more. Nothing when no key is that near, or two are equally near (MinX and
// MinY for MinW). A key equal to a known one but for case gives that one.
std::optional<std::string_view> FindClosestKey(std::string_view a_key, std::span<const std::string_view> a_known) noexcept;
