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
	kFloat,    // decimal, any value a float holds as a normal number or zero
	kSwitch,   // on for exactly "1"
};

enum class ValueReading
{
	kRead,             // the whole text is the value
	kEmpty,            // no text: the default applies
	kNotANumber,       // no digit at the start ("inf", "true", "x51"): the default applies
	kOutOfRange,       // a number the setting doesn't take (a float too large or too near 0): the default applies
	kLeadingPartOnly,  // a value is read from the start, the rest is ignored
	kSwitchOff,        // a switch text other than "0" and "1": it reads as off
};

struct ValueCheck
{
	ValueReading eReading;
	// kRead and kLeadingPartOnly: the part that was read (leading blanks and
	// sign included) and the part ignored; together they are the text.
	std::string_view sReadPart;
	std::string_view sIgnoredPart;
};

// a_text as the INI functions return it (blanks and surrounding quotes
// already trimmed). A leading part counts only when it is itself a value the
// setting takes: a hotkey "0x0 junk" is out of range. There are no hex floats:
// "0x1p3" is the float 0 and an ignored "x1p3".
ValueCheck CheckValueText(IniValueKind a_kind, std::string_view a_text) noexcept;
