#include "ClosestKey.h"

bool EqualsIgnoringCase(std::string_view a_left, std::string_view a_right) noexcept
{
	if (a_left.size() != a_right.size()) {
		return false;
	}
	const auto lower = [](char a_char) { return a_char >= 'A' && a_char <= 'Z' ? static_cast<char>(a_char - 'A' + 'a') : a_char; };
	for (std::size_t i = 0; i < a_left.size(); ++i) {
		if (lower(a_left[i]) != lower(a_right[i])) {
			return false;
		}
	}
	return true;
}

std::optional<std::string_view> FindClosestKey(std::string_view, std::span<const std::string_view>) noexcept
{
	return std::nullopt;
}
