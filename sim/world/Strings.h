#pragma once
// Game strings and the string value slots.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string_view>

namespace sim
{
	namespace game
	{
		// One interned text. Forwarding entries only point on to another.
		struct StringEntry
		{
			std::uint64_t hash;
			union
			{
				std::uint32_t length;
				const StringEntry* forward;
			};
			std::uint32_t reserved;
			std::uint8_t flags;  // kForwards
			std::uint8_t pad15[3];
			char text[0x68];  // zero-terminated

			static constexpr std::uint8_t kForwards = 2;
		};
		static_assert(offsetof(StringEntry, length) == 0x8);
		static_assert(offsetof(StringEntry, forward) == 0x8);
		static_assert(offsetof(StringEntry, flags) == 0x14);
		static_assert(offsetof(StringEntry, text) == 0x18);

		// RE::GameString: one pointer to its entry, null for none.
		struct GameString
		{
			const StringEntry* entry;
		};
		static_assert(sizeof(GameString) == 8);
	}

	struct Strings
	{
		// Entries keep their place while the pool grows.
		std::deque<game::StringEntry> pool;
		// Nine 64-bit game values (data items), slot order 1 to 9.
		std::array<std::uint64_t, 9> valueSlots{
			0x5356000000000001, 0x5356000000000002, 0x5356000000000003,
			0x5356000000000004, 0x5356000000000005, 0x5356000000000006,
			0x5356000000000007, 0x5356000000000008, 0x5356000000000009
		};

		// A plain entry for a_text (cut to fit); the same text gives the same entry.
		const game::StringEntry* intern(std::string_view a_text);
		// An entry that forwards to a_target (null ends the chain).
		const game::StringEntry* forwarding(const game::StringEntry* a_target);
		// A new plain entry of a_text (cut to fit) whose length says
		// a_length, or the text's own; and a new forwarding entry. Tests may
		// change both.
		game::StringEntry& add_string(std::string_view a_text);
		game::StringEntry& add_string(std::string_view a_text, std::uint32_t a_length);
		game::StringEntry& add_forwarding(const game::StringEntry* a_target);
	};

	// The text of a game string: forwarding followed (a loop reads as
	// empty); up to the first zero within its length; empty for null.
	std::string_view text_of(const game::GameString& a_string) noexcept;
}
