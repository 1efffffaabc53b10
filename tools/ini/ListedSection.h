#pragma once
// What the INI functions answer for one section, worked out from its lines
// as the platform lists them all at once (Settings/IniSection.h), so that a
// section costs one read instead of one per key. No Windows calls.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The key names as the platform lists them without a key: those of the
// lines with an equals sign, in file order, repeats and all.
std::vector<std::string> GetListedKeyNames(std::span<const std::string> a_lines);

// The text a read of a_key returns: the value of the first line whose key
// matches without regard to case, its surrounding quotes removed; empty for
// a key without value or none at all. Nothing when the lines can't tell:
// the platform folds the case of letters beyond ASCII in its own way, and
// cuts values longer than a read's buffer where its conversions decide.
std::optional<std::string> FindListedValue(std::span<const std::string> a_lines, std::string_view a_key);
