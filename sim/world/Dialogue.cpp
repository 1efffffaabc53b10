#include "sim/world/Dialogue.h"

namespace sim
{
	void DialogueArea::add_handle(std::uint32_t a_handle, Form* a_ref)
	{
		handleElements.push_back(static_cast<std::uint64_t>(a_handle) << 32 | 0x5A5A5A5Au);
		if (a_ref) {
			handles[a_handle] = a_ref;
		}
		handleList.count = static_cast<std::uint32_t>(handleElements.size());
		handleList.elements = handleElements.data();
	}
}
