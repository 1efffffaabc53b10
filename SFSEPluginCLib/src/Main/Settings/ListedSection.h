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
// matches without regard to case, its surrounding quotes removed; empty when
// no line has the key. Nothing when the lines can't tell: before that line,
// a key beyond ASCII (the platform folds the case of such letters its own
// way); the line itself without an equals sign (what a read makes of it
// differs between platforms: Wine reads it as empty); or a value longer
// than a read returns (where it is cut depends on the platform's
// conversions).
std::optional<std::string> FindListedValue(std::span<const std::string> a_lines, std::string_view a_key);
