// tarmacor-ini [plugin folder] [--svg FILE]: what Tarmacor will make of its
// INI files. See RunIniChecker.h for the exit status.
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "RunIniChecker.h"

namespace
{
	// In one piece and fully buffered: the C runtime writes to a console (or
	// NUL) unbuffered, one character per system call, and in text mode a
	// line per call elsewhere; a report of 600 profiles took 19 s so under
	// Wine, where every call is a round trip to its server.
	void WriteAtOnce(std::FILE* a_stream, const std::string& a_text)
	{
		std::setvbuf(a_stream, nullptr, _IOFBF, 1 << 16);
		std::fwrite(a_text.data(), 1, a_text.size(), a_stream);
		std::fflush(a_stream);
	}
}

int main(int argc, char** argv)
{
	std::vector<std::string> arguments(argv + 1, argv + argc);
	std::ostringstream out;
	std::ostringstream err;
	const int status = RunIniChecker(arguments, out, err);
	// The checker writes its errors before any report or after all of it.
	WriteAtOnce(stdout, out.str());
	WriteAtOnce(stderr, err.str());
	return status;
}
