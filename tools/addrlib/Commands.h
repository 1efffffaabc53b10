#pragma once
// addrlib: packs, dumps and checks address library files, for modders and
// players. Portable: the same commands run natively and on Windows.
#include <ostream>
#include <string>
#include <vector>

namespace addrlib
{
	// Exit codes.
	inline constexpr int kOk = 0;
	inline constexpr int kCheckFailed = 1;  // IDs missing, or the file doesn't fit its name
	inline constexpr int kBadFile = 2;      // unreadable, or not a valid library
	inline constexpr int kUsage = 64;

	// a_args without the program name, UTF-8.
	int RunCommand(const std::vector<std::string>& a_args, std::ostream& a_out, std::ostream& a_err);
}
