#pragma once
// INI value texts to values. No exceptions, no locale, no Windows: a text
// either gives a value or nothing, and the caller keeps what it had.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Base 16 into 32 bits, read as strtoul reads it: leading white space, an
// optional sign, an optional "0x"/"0X", hex digits, up to the first other
// character. A minus negates modulo 2^32. Nothing when no digit was read or
// the magnitude needs more than 32 bits.
std::optional<std::uint32_t> ParseHotkeyValue(std::string_view a_text) noexcept;

// Base 10 into a signed 32-bit integer, read as strtol reads it. Nothing when
// no digit was read or the value doesn't fit.
std::optional<std::int32_t> ParseIntegerValue(std::string_view a_text) noexcept;

// A decimal float: leading white space, an optional sign, digits with an
// optional point and exponent, up to the first other character. Nothing when
// no digit was read, on overflow, and when a non-zero number falls below the
// smallest normal float (underflow). "inf", "nan" and hex floats are not
// numbers here: the game would be handed their texts.
std::optional<float> ParseFloatValue(std::string_view a_text) noexcept;

// What a reader above makes of the start of a text, and how far it read:
// iLength counts the characters of the number (leading blanks and sign
// included), 0 when no digit was read. A number that doesn't fit (or, for a
// float, underflows) has a length but no value. The rest of the text, from
// iLength on, is what the reader ignores.
template <class T>
struct PrefixReading
{
	std::optional<T> value;
	std::size_t iLength{};
};

PrefixReading<std::uint32_t> ReadHotkeyPrefix(std::string_view a_text) noexcept;
PrefixReading<std::int32_t> ReadIntegerPrefix(std::string_view a_text) noexcept;
PrefixReading<float> ReadFloatPrefix(std::string_view a_text) noexcept;

// A switch is on for exactly "1": "true", "01" and " 1" are off.
bool ParseSwitchValue(std::string_view a_text) noexcept;

// Hotkeys are virtual-key codes 1 to 254; iTestStringValues uses the same range.
constexpr bool IsInAcceptedRange(std::int64_t a_value) noexcept
{
	return a_value >= 1 && a_value <= 254;
}

// One profile field from its INI text. An empty text, a text that doesn't
// parse and (for hotkeys) a value out of range leave the field as it was.
void ApplyHotkeyText(std::int32_t& a_field, std::string_view a_text) noexcept;
void ApplyFloatText(float& a_field, std::string_view a_text) noexcept;
void ApplySwitchText(bool& a_field, std::string_view a_text) noexcept;
