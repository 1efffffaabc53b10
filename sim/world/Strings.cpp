#include "sim/world/Strings.h"

#include <algorithm>
#include <cstring>

namespace sim
{
	const game::StringEntry* Strings::intern(std::string_view a_text)
	{
		for (const auto& entry : pool) {
			if (!(entry.flags & game::StringEntry::kForwards) && std::string_view(entry.text, entry.length) == a_text) {
				return &entry;
			}
		}
		auto& entry = pool.emplace_back();
		entry.length = static_cast<std::uint32_t>(std::min(a_text.size(), sizeof(entry.text) - 1));
		std::memcpy(entry.text, a_text.data(), entry.length);
		return &entry;
	}

	const game::StringEntry* Strings::forwarding(const game::StringEntry* a_target)
	{
		auto& entry = pool.emplace_back();
		entry.flags = game::StringEntry::kForwards;
		entry.forward = a_target;
		return &entry;
	}

	std::string_view text_of(const game::GameString& a_string) noexcept
	{
		const auto* entry = a_string.entry;
		while (entry && (entry->flags & game::StringEntry::kForwards)) {
			entry = entry->forward;
		}
		return entry ? std::string_view(entry->text, entry->length) : std::string_view{};
	}
}
