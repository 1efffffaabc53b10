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

	game::StringEntry& Strings::add_string(std::string_view a_text)
	{
		return add_string(a_text, static_cast<std::uint32_t>(a_text.size()));
	}

	game::StringEntry& Strings::add_string(std::string_view a_text, std::uint32_t a_length)
	{
		auto& entry = pool.emplace_back();
		entry.length = a_length;
		std::memcpy(entry.text, a_text.data(), std::min(a_text.size(), sizeof(entry.text) - 1));
		return entry;
	}

	game::StringEntry& Strings::add_forwarding(const game::StringEntry* a_target)
	{
		auto& entry = pool.emplace_back();
		entry.flags = game::StringEntry::kForwards;
		entry.forward = a_target;
		return entry;
	}

	std::string_view text_of(const game::GameString& a_string) noexcept
	{
		const auto* entry = a_string.entry;
		for (int hops = 0; entry && (entry->flags & game::StringEntry::kForwards); ++hops) {
			entry = hops < 64 ? entry->forward : nullptr;
		}
		if (!entry) {
			return {};
		}
		const auto length = std::min<std::size_t>(entry->length, sizeof(entry->text));
		return { entry->text, ::strnlen(entry->text, length) };
	}
}
