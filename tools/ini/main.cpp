// tarmacor-ini [plugin folder] [--svg FILE]: what Tarmacor will make of its
// INI files. See RunIniChecker.h for the exit status.
#include <iostream>
#include <string>
#include <vector>

#include "RunIniChecker.h"

int main(int argc, char** argv)
{
	std::vector<std::string> arguments(argv + 1, argv + argc);
	return RunIniChecker(arguments, std::cout, std::cerr);
}
