#include "ProfileSvg.h"

std::string DrawProfilesSvg(std::span<const SvgProfile>)
{
	return "<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n";
}
