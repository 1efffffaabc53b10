#include "Settings/SectionNames.h"

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
	const auto [list, complete] = ReadWholeList<char>(a_read, a_firstSize);
	auto names = SplitSectionNames(list.data(), list.size());
	if (!complete && !names.empty()) {
		names.pop_back();
	}
	return { std::move(names), complete };
}

bool IsGlobalSectionName(std::string_view a_name) noexcept
{
	return EqualsIgnoringCase(a_name, GlobalSectionName);
}
