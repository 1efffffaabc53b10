#include "RunIniChecker.h"

int RunIniChecker(std::span<const std::string>, std::ostream&, std::ostream&)
{
	return 0;
}
