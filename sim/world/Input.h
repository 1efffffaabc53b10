#pragma once
// The keyboard as GetKeyState reports it.
#include <array>

namespace sim
{
	struct Input
	{
		std::array<bool, 256> bKeyDown{};
	};
}
