#include "SectionNames.h"

#include <string_view>

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
