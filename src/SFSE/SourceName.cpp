#include "SFSE/SourceName.h"

#include <regex>

#include <fmt/format.h>

namespace SFSE::detail
{
	std::string short_source_name(std::string_view a_fileName)
	{
		static const std::regex pattern(R"((?:^|[\\\/])(?:include|src)[\\\/](.*)$)", std::regex::ECMAScript);

		std::match_results<std::string_view::const_iterator> match;
		if (std::regex_search(a_fileName.begin(), a_fileName.end(), match, pattern)) {
			return match[1].str();
		}
		return std::string(a_fileName);
	}

	std::string fatal_box_text(std::string_view a_fileName, unsigned a_line, std::string_view a_message)
	{
		return fmt::format("{}({}): {}", short_source_name(a_fileName), a_line, a_message);
	}
}
