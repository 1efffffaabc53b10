// A second plugin built from the same framework, for the tests: its own copy
// of REL::IDDatabase and REL::Module in the game process, beside the test's.
#include <cstdint>

#include "REL/ID.h"

extern "C" __declspec(dllexport) std::uint64_t ResolveOffset(std::uint64_t a_id)
{
	return REL::ID(a_id).offset();
}
