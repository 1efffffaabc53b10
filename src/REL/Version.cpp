#include "REL/Version.h"

#include <string>

#include <fmt/format.h>

namespace REL
{
	std::string Version::string(std::string_view a_separator) const
	{
		return fmt::format("{}{}{}{}{}{}{}", _impl[0], a_separator, _impl[1], a_separator, _impl[2], a_separator, _impl[3]);
	}

	Version parse_version_text(std::wstring_view a_text)
	{
		std::array<Version::value_type, 4> parts{};
		std::size_t position = 0;
		for (auto& part : parts) {
			// Like reading pieces with getline: nothing left means no piece.
			if (position >= a_text.size()) {
				break;
			}
			const auto end = std::min(a_text.find(L'.', position), a_text.size());
			const std::wstring piece(a_text.substr(position, end - position));
			part = static_cast<Version::value_type>(std::stoi(piece, nullptr, 10) & 0xFFFF);
			position = end + 1;
		}
		return { parts[0], parts[1], parts[2], parts[3] };
	}
}
