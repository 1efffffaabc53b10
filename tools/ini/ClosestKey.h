#pragma once
// Spotting slips in INI key names. No Windows calls.
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Equal letters regardless of ASCII case, as the INI functions match keys.
bool EqualsIgnoringCase(std::string_view a_left, std::string_view a_right) noexcept;

// The text with ASCII capitals made small: equal for texts that are equal
// ignoring case as above, so that such texts can key a map.
std::string ToLowerAscii(std::string_view a_text);

// The known key a_key was most likely meant to be: the nearest by edit
// distance (insertions, deletions, substitutions and swaps of neighbours,
// case ignored), when it is near enough to be a slip rather than another
// word: one slip in a key of four letters or more, two in one of eight or
// more. Nothing when no key is that near, or two are equally near (MinX and
// MinY for MinW). A key equal to a known one but for case gives that one.
std::optional<std::string_view> FindClosestKey(std::string_view a_key, std::span<const std::string_view> a_known) noexcept;
