#include "Settings/AsciiCase.h"

namespace
{
	constexpr char ToLowerAsciiLetter(char a_char) noexcept
	{
		return a_char >= 'A' && a_char <= 'Z' ? static_cast<char>(a_char - 'A' + 'a') : a_char;
	}
}

bool EqualsIgnoringCase(std::string_view a_left, std::string_view a_right) noexcept
{
	if (a_left.size() != a_right.size()) {
		return false;
	}
	for (std::size_t i = 0; i < a_left.size(); ++i) {
		if (ToLowerAsciiLetter(a_left[i]) != ToLowerAsciiLetter(a_right[i])) {
			return false;
		}
	}
	return true;
}

std::string ToLowerAscii(std::string_view a_text)
{
	std::string lower(a_text);
	for (auto& c : lower) {
		c = ToLowerAsciiLetter(c);
	}
	return lower;
}

std::string_view TrimBlanks(std::string_view a_text) noexcept
{
	const auto first = a_text.find_first_not_of(" \t");
	if (first == std::string_view::npos) {
		return {};
	}
	return a_text.substr(first, a_text.find_last_not_of(" \t") - first + 1);
}
