// addrlib: the command-line face of the address library tools.
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

#ifdef _WIN32
#include <windows.h>

// Arguments arrive in UTF-16 on Windows; the commands take UTF-8.
int wmain(int argc, wchar_t** argv)
{
	std::vector<std::string> args;
	for (int i = 1; i < argc; ++i) {
		const int size = ::WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
		std::string arg(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
		::WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, arg.data(), size, nullptr, nullptr);
		arg.resize(arg.size() - 1);  // the terminator
		args.push_back(std::move(arg));
	}
	return addrlib::RunCommand(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv)
{
	return addrlib::RunCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
