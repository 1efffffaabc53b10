#include "Settings/SectionNames.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "Settings/AsciiCase.h"

std::vector<std::string> SplitSectionNames(const char* a_buffer, std::size_t a_length)
{
	std::vector<std::string> names;
	if (!a_buffer || a_length == 0) {
		return names;
	}
	const std::string_view list(a_buffer, a_length);
	std::size_t start = 0;
	while (start < list.size()) {
		auto end = list.find('\0', start);
		if (end == std::string_view::npos) {
			end = list.size();
		}
		names.emplace_back(list.substr(start, end - start));
		start = end + 1;
	}
	return names;
}

SectionList ReadSectionNames(const SectionListReader& a_read, std::size_t a_firstSize)
{
	std::size_t size = std::clamp<std::size_t>(a_firstSize, 3, MaxSectionListSize);
	std::string buffer;
	for (;;) {
		buffer.assign(size, '\0');
		const std::size_t length = std::min(a_read(buffer.data(), size), size - 1);
		if (length < size - 2) {
			return { SplitSectionNames(buffer.data(), length), true };
		}
		if (size == MaxSectionListSize) {
			auto names = SplitSectionNames(buffer.data(), length);
			if (!names.empty()) {
				names.pop_back();
			}
			return { std::move(names), false };
		}
		size = std::min(size * 2, MaxSectionListSize);
	}
}

bool IsGlobalSectionName(std::string_view a_name) noexcept
{
	return EqualsIgnoringCase(a_name, GlobalSectionName);
}
