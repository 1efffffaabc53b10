#pragma once
// How the plugin reads one INI value text, told the way a player needs to
// hear it: whether the whole text became the value, only its start, or
// nothing at all. Agrees with ValueParsing.h by construction. No Windows
// calls.
#include <string_view>

enum class IniValueKind
{
	kHotkey,   // hex, 1 to 254
	kInteger,  // decimal, 1 to 254 (0 reads as "off" where the setting has an off)
	kFloat,
	kSwitch,  // on for exactly "1"
};

enum class ValueReading
{
	kRead,             // the whole text is the value
	kEmpty,            // no text: the default applies
	kNotANumber,       // nothing parses: the default applies
	kOutOfRange,       // a number, but not one the setting takes: the default applies
	kLeadingPartOnly,  // a value is read from the start, the rest is ignored
	kSwitchOff,        // a switch text other than "0" and "1": it reads as off
};

struct ValueCheck
{
	ValueReading eReading;
	// kLeadingPartOnly: the part that was read and the part ignored.
	std::string_view sReadPart;
	std::string_view sIgnoredPart;
};

// a_text as the INI functions return it (blanks and surrounding quotes
// already trimmed).
ValueCheck CheckValueText(IniValueKind a_kind, std::string_view a_text) noexcept;
