#pragma once
// The text forms the addrlib tool reads: lists of ID/offset pairs, game
// versions, and what an address library's file name says.
#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "REL/DatabaseFormat.h"
#include "REL/Version.h"

namespace addrlib
{
	struct ListError
	{
		std::size_t line{ 0 };
		std::string message;
	};

	// One pair a line, "<id> <offset>", separated by blanks or a comma;
	// numbers in decimal or with 0x in hexadecimal; "#" starts a comment;
	// blank lines are skipped. Order is kept. Nothing on the first bad line.
	std::optional<std::vector<REL::database::mapping_t>> ParseIdList(std::istream& a_in, ListError& a_error);

	// A decimal or 0x-hexadecimal unsigned 64-bit number, the whole text.
	std::optional<std::uint64_t> ParseNumber(std::string_view a_text);

	// "1.14.70.0" or "1-14-70-0": one to four components up to 65535,
	// missing ones 0.
	std::optional<REL::Version> ParseVersion(std::string_view a_text);

	struct LibraryName
	{
		REL::Version version;
		bool steam{ false };
	};

	// versionlib-<version>.bin (Steam) or versionlib-<version>-1.bin (any
	// other platform); nothing for other names.
	std::optional<LibraryName> ParseLibraryName(std::string_view a_fileName);
}
