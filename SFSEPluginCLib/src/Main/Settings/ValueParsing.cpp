#include "Settings/ValueParsing.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace
{
	// isspace in the "C" locale.
	constexpr bool IsBlank(char a_char) noexcept
	{
		return a_char == ' ' || (a_char >= '\t' && a_char <= '\r');
	}

	constexpr bool IsDigit(char a_char) noexcept
	{
		return a_char >= '0' && a_char <= '9';
	}

	constexpr int HexDigitValue(char a_char) noexcept
	{
		if (IsDigit(a_char)) {
			return a_char - '0';
		}
		if (a_char >= 'a' && a_char <= 'f') {
			return a_char - 'a' + 10;
		}
		if (a_char >= 'A' && a_char <= 'F') {
			return a_char - 'A' + 10;
		}
		return -1;
	}

	std::size_t SkipBlanks(std::string_view a_text, std::size_t a_pos) noexcept
	{
		while (a_pos < a_text.size() && IsBlank(a_text[a_pos])) {
			++a_pos;
		}
		return a_pos;
	}

	// Reads an optional sign at a_pos; true for a minus.
	bool ReadSign(std::string_view a_text, std::size_t& a_pos) noexcept
	{
		if (a_pos < a_text.size() && (a_text[a_pos] == '+' || a_text[a_pos] == '-')) {
			return a_text[a_pos++] == '-';
		}
		return false;
	}

	std::size_t SkipDigits(std::string_view a_text, std::size_t a_pos) noexcept
	{
		while (a_pos < a_text.size() && IsDigit(a_text[a_pos])) {
			++a_pos;
		}
		return a_pos;
	}
}

PrefixReading<std::uint32_t> ReadHotkeyPrefix(std::string_view a_text) noexcept
{
	std::size_t pos = SkipBlanks(a_text, 0);
	const bool negative = ReadSign(a_text, pos);
	// "0x" counts as a prefix only when a hex digit follows; otherwise the
	// "0" alone is the number.
	if (pos + 2 < a_text.size() && a_text[pos] == '0' && (a_text[pos + 1] == 'x' || a_text[pos + 1] == 'X') &&
		HexDigitValue(a_text[pos + 2]) >= 0) {
		pos += 2;
	}

	std::uint64_t magnitude = 0;
	bool anyDigit = false;
	bool overflow = false;
	for (; pos < a_text.size(); ++pos) {
		const int digit = HexDigitValue(a_text[pos]);
		if (digit < 0) {
			break;
		}
		anyDigit = true;
		magnitude = magnitude * 16 + static_cast<std::uint64_t>(digit);
		if (magnitude > std::numeric_limits<std::uint32_t>::max()) {
			overflow = true;
			magnitude = std::numeric_limits<std::uint32_t>::max();
		}
	}
	if (!anyDigit) {
		return {};
	}
	if (overflow) {
		return { std::nullopt, pos };
	}
	const auto value = static_cast<std::uint32_t>(magnitude);
	return { negative ? static_cast<std::uint32_t>(0u - value) : value, pos };
}

std::optional<std::uint32_t> ParseHotkeyValue(std::string_view a_text) noexcept
{
	return ReadHotkeyPrefix(a_text).value;
}

PrefixReading<std::int32_t> ReadIntegerPrefix(std::string_view a_text) noexcept
{
	std::size_t pos = SkipBlanks(a_text, 0);
	const bool negative = ReadSign(a_text, pos);
	// One past the largest magnitude, so that the negative limit fits.
	constexpr std::int64_t limit = std::int64_t{ std::numeric_limits<std::int32_t>::max() } + 1;

	std::int64_t magnitude = 0;
	bool anyDigit = false;
	bool overflow = false;
	for (; pos < a_text.size() && IsDigit(a_text[pos]); ++pos) {
		anyDigit = true;
		magnitude = magnitude * 10 + (a_text[pos] - '0');
		if (magnitude > limit) {
			overflow = true;
			magnitude = limit;
		}
	}
	if (!anyDigit) {
		return {};
	}
	if (overflow || (!negative && magnitude == limit)) {
		return { std::nullopt, pos };
	}
	return { static_cast<std::int32_t>(negative ? -magnitude : magnitude), pos };
}

std::optional<std::int32_t> ParseIntegerValue(std::string_view a_text) noexcept
{
	return ReadIntegerPrefix(a_text).value;
}

PrefixReading<float> ReadFloatPrefix(std::string_view a_text) noexcept
{
	std::size_t pos = SkipBlanks(a_text, 0);
	// One sign at most; from_chars takes a minus but no plus.
	std::size_t start = pos;
	if (pos < a_text.size() && a_text[pos] == '+') {
		start = ++pos;
	} else if (pos < a_text.size() && a_text[pos] == '-') {
		++pos;
	}

	// The mantissa needs a digit before or after the point.
	const std::size_t integerStart = pos;
	pos = SkipDigits(a_text, pos);
	bool anyDigit = pos > integerStart;
	if (pos < a_text.size() && a_text[pos] == '.') {
		const std::size_t fractionStart = pos + 1;
		const std::size_t fractionEnd = SkipDigits(a_text, fractionStart);
		if (anyDigit || fractionEnd > fractionStart) {
			anyDigit = true;
			pos = fractionEnd;
		}
	}
	if (!anyDigit) {
		return {};
	}
	// An exponent counts only with at least one digit; "1e" and "1e+" are 1.
	if (pos < a_text.size() && (a_text[pos] == 'e' || a_text[pos] == 'E')) {
		std::size_t exponent = pos + 1;
		if (exponent < a_text.size() && (a_text[exponent] == '+' || a_text[exponent] == '-')) {
			++exponent;
		}
		const std::size_t exponentEnd = SkipDigits(a_text, exponent);
		if (exponentEnd > exponent) {
			pos = exponentEnd;
		}
	}

	float value = 0.0f;
	const char* first = a_text.data() + start;
	const char* last = a_text.data() + pos;
	const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
	if (error != std::errc{} || end != last) {
		return { std::nullopt, pos };  // overflow or underflow
	}
	if (value != 0.0f && !std::isnormal(value)) {
		return { std::nullopt, pos };  // subnormal: underflow
	}
	return { value, pos };
}

std::optional<float> ParseFloatValue(std::string_view a_text) noexcept
{
	return ReadFloatPrefix(a_text).value;
}

bool ParseSwitchValue(std::string_view a_text) noexcept
{
	return a_text == "1";
}

void ApplyHotkeyText(std::int32_t& a_field, std::string_view a_text) noexcept
{
	if (a_text.empty()) {
		return;
	}
	if (const auto value = ParseHotkeyValue(a_text); value && IsInAcceptedRange(*value)) {
		a_field = static_cast<std::int32_t>(*value);
	}
}

void ApplyFloatText(float& a_field, std::string_view a_text) noexcept
{
	if (a_text.empty()) {
		return;
	}
	if (const auto value = ParseFloatValue(a_text)) {
		a_field = *value;
	}
}

void ApplySwitchText(bool& a_field, std::string_view a_text) noexcept
{
	if (a_text.empty()) {
		return;
	}
	a_field = ParseSwitchValue(a_text);
}
