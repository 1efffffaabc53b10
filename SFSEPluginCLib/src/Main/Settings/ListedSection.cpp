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
	std::string_view TrimBlanks(std::string_view a_text) noexcept
	{
		const auto first = a_text.find_first_not_of(" \t");
		if (first == std::string_view::npos) {
			return {};
		}
		return a_text.substr(first, a_text.find_last_not_of(" \t") - first + 1);
	}

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

std::vector<std::string> GetListedKeyNames(std::span<const std::string> a_lines)
{
	std::vector<std::string> keys;
	for (const auto& line : a_lines) {
		if (const auto split = SplitLine(line); split.bHasValue) {
			keys.emplace_back(split.sKey);
		}
	}
	return keys;
}

std::optional<std::string> FindListedValue(std::span<const std::string> a_lines, std::string_view a_key)
{
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
