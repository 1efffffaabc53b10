#pragma once
// What the INI functions answer for one section, worked out from its lines
// as the platform lists them all at once (Settings/IniSection.h), so that a
// section costs one read instead of one per key. No Windows calls.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Whether the lines listed for a_section are those of the section a read of
// a key in it finds. Not for an empty name, nor for one with a blank, a
// control character or a byte beyond ASCII at either end: a key read trims
// the blanks around the section name it is given (and what counts as a blank
// differs between platforms and code pages), a listing takes the name as it
// is, so " Default" lists nothing while its keys read as those of
// [Default].
bool CanReadSectionAtOnce(std::string_view a_section) noexcept;

// The key names as the platform lists them without a key: those of the
// lines with an equals sign, in file order, repeats and all. Nothing when
// the first of them is empty: such a list looks empty at once (Wine then
// lists no key at all).
std::optional<std::vector<std::string>> GetListedKeyNames(std::span<const std::string> a_lines);

// The text a read of a_key returns: the value of the first line whose key
// matches without regard to case, its surrounding quotes removed; empty when
// no line has the key. Nothing when the lines can't tell: before that line,
// a key beyond ASCII (the platform folds the case of such letters its own
// way); the line itself without an equals sign (what a read makes of it
// differs between platforms: Wine reads it as empty); or a value longer
// than a read returns (where it is cut depends on the platform's
// conversions). Nothing either for a key the lines can't answer for: one
// with a blank or a control character at either end (a read trims it),
// beyond ASCII, or starting with a semicolon (the listing leaves out the
// lines of such keys, as comments; a read finds them).
std::optional<std::string> FindListedValue(std::span<const std::string> a_lines, std::string_view a_key);
