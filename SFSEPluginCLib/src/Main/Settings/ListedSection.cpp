#include "Settings/ListedSection.h"

#include <algorithm>

#include "Settings/AsciiCase.h"
#include "Settings/IniFile.h"

namespace
{
	struct ListedLine
	{
		std::string_view sKey;
		std::string_view sValue;
		bool bHasValue;
	};

	// The platform trims blanks as it loads a file; trimming again changes
	// nothing there, and keeps a listing that doesn't trim from misleading.
	ListedLine SplitLine(std::string_view a_line) noexcept
	{
		const auto equals = a_line.find('=');
		if (equals == std::string_view::npos) {
			return { TrimBlanks(a_line), {}, false };
		}
		return { TrimBlanks(a_line.substr(0, equals)), TrimBlanks(a_line.substr(equals + 1)), true };
	}

	bool IsAscii(std::string_view a_text) noexcept
	{
		return std::all_of(a_text.begin(), a_text.end(), [](char a_char) { return static_cast<unsigned char>(a_char) < 0x80; });
	}

	// Printable ASCII other than the space at both ends: nothing a read
	// could take for a blank and trim.
	bool HasPlainEnds(std::string_view a_text) noexcept
	{
		const auto isPlain = [](char a_char) { return a_char > ' ' && a_char < 0x7F; };
		return !a_text.empty() && isPlain(a_text.front()) && isPlain(a_text.back());
	}

	// Single or double quotes, when the value both starts and ends with the
	// same one and holds more than that one character.
	std::string_view RemoveQuotes(std::string_view a_value) noexcept
	{
		if (a_value.size() >= 2 && (a_value.front() == '"' || a_value.front() == '\'') && a_value.back() == a_value.front()) {
			return a_value.substr(1, a_value.size() - 2);
		}
		return a_value;
	}
}

bool CanReadSectionAtOnce(std::string_view a_section) noexcept
{
	return HasPlainEnds(a_section);
}

std::optional<std::vector<std::string>> GetListedKeyNames(std::span<const std::string> a_lines)
{
	std::vector<std::string> keys;
	for (const auto& line : a_lines) {
		if (const auto split = SplitLine(line); split.bHasValue) {
			if (keys.empty() && split.sKey.empty()) {
				return std::nullopt;
			}
			keys.emplace_back(split.sKey);
		}
	}
	return keys;
}

std::optional<std::string> FindListedValue(std::span<const std::string> a_lines, std::string_view a_key)
{
	if (!HasPlainEnds(a_key) || !IsAscii(a_key) || a_key.front() == ';') {
		return std::nullopt;
	}
	for (const auto& line : a_lines) {
		const auto split = SplitLine(line);
		if (!IsAscii(split.sKey)) {
			return std::nullopt;
		}
		if (!EqualsIgnoringCase(split.sKey, a_key)) {
			continue;
		}
		if (!split.bHasValue || split.sValue.size() > MaxIniValueLength) {
			return std::nullopt;
		}
		return std::string(RemoveQuotes(split.sValue));
	}
	return std::string();
}
