#include "ClosestKey.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "Settings/AsciiCase.h"

namespace
{
	constexpr char ToLower(char a_char) noexcept
	{
		return a_char >= 'A' && a_char <= 'Z' ? static_cast<char>(a_char - 'A' + 'a') : a_char;
	}

	// More slips than this and a key is taken for another word.
	constexpr int MaxSlips = 2;
	constexpr int Far = MaxSlips + 1;

	// The optimal-string-alignment distance of a_left and a_right, case
	// ignored, or Far when it is above MaxSlips. Only the band of cells
	// within MaxSlips of the diagonal can stay below Far, so three rows of
	// that band suffice whatever the texts' lengths.
	int CountSlips(std::string_view a_left, std::string_view a_right) noexcept
	{
		const auto n = static_cast<std::ptrdiff_t>(a_left.size());
		const auto m = static_cast<std::ptrdiff_t>(a_right.size());
		if (n - m > MaxSlips || m - n > MaxSlips) {
			return Far;
		}
		using BandRow = std::array<int, 2 * MaxSlips + 1>;
		std::array<BandRow, 3> rows{};
		// d(i, j): the distance of a_left's first i and a_right's first j characters.
		const auto d = [&](std::ptrdiff_t a_i, std::ptrdiff_t a_j) {
			const std::ptrdiff_t offset = a_j - a_i + MaxSlips;
			if (a_j < 0 || a_j > m || offset < 0 || offset > 2 * MaxSlips) {
				return Far;
			}
			return rows[static_cast<std::size_t>(a_i % 3)][static_cast<std::size_t>(offset)];
		};
		// Two rows in a row at Far or above leave every later cell there.
		int farRows = 0;
		for (std::ptrdiff_t i = 0; i <= n; ++i) {
			auto& row = rows[static_cast<std::size_t>(i % 3)];
			bool bRowFar = true;
			for (std::ptrdiff_t offset = 0; offset <= 2 * MaxSlips; ++offset) {
				const std::ptrdiff_t j = i + offset - MaxSlips;
				int distance = Far;
				if (j < 0 || j > m) {
					distance = Far;
				} else if (i == 0 || j == 0) {
					distance = static_cast<int>(std::max(i, j));
				} else {
					const char left = ToLower(a_left[static_cast<std::size_t>(i - 1)]);
					const char right = ToLower(a_right[static_cast<std::size_t>(j - 1)]);
					distance = std::min({ d(i - 1, j) + 1, d(i, j - 1) + 1, d(i - 1, j - 1) + (left == right ? 0 : 1) });
					if (i > 1 && j > 1 && left == ToLower(a_right[static_cast<std::size_t>(j - 2)]) &&
						ToLower(a_left[static_cast<std::size_t>(i - 2)]) == right) {
						distance = std::min(distance, d(i - 2, j - 2) + 1);
					}
				}
				row[static_cast<std::size_t>(offset)] = std::min(distance, Far);
				bRowFar = bRowFar && distance >= Far;
			}
			farRows = bRowFar ? farRows + 1 : 0;
			if (farRows == 2) {
				return Far;
			}
		}
		return d(n, m);
	}

	// One slip in a key of four letters or more, two from eight: a shorter
	// word two letters away is more likely another word than a slip.
	constexpr bool IsNearEnough(int a_slips, std::string_view a_known) noexcept
	{
		return a_slips <= MaxSlips && static_cast<std::size_t>(a_slips) * 4 <= a_known.size();
	}
}

std::optional<std::string_view> FindClosestKey(std::string_view a_key, std::span<const std::string_view> a_known) noexcept
{
	std::optional<std::string_view> closest;
	int closestSlips = Far;
	bool tie = false;
	for (const auto known : a_known) {
		const int slips = CountSlips(a_key, known);
		if (slips < closestSlips) {
			closest = known;
			closestSlips = slips;
			tie = false;
		} else if (slips == closestSlips && closest && !EqualsIgnoringCase(*closest, known)) {
			tie = true;
		}
	}
	if (!closest || tie || !IsNearEnough(closestSlips, *closest)) {
		return std::nullopt;
	}
	return closest;
}
