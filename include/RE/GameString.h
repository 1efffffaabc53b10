#pragma once
// The game's interned string: one pointer to a string entry. An entry either
// forwards to another entry (flag bit 1; the pointer at 8) or holds its
// length at 8 and its characters from 0x18.
#include <cstdint>
#include <string_view>

#include "RE/IDs.h"
#include "RE/Offsets.h"
#include "REL/ID.h"

namespace RE
{
	class GameString
	{
	public:
		static constexpr std::size_t kLinkOffset = 0x08;  // length, or the entry forwarded to
		static constexpr std::size_t kFlagsOffset = 0x14;
		static constexpr std::size_t kTextOffset = 0x18;
		static constexpr std::uint8_t kForwards = 0x02;
		// A chain longer than this is taken as broken: the game's own chains
		// are one or two entries long.
		static constexpr int kMaxForwards = 64;

		// Built by the game from a_text; released by the game when it goes.
		explicit GameString(const char* a_text)
		{
			using Construct_t = GameString* (*)(GameString*, const char*, std::uint32_t);
			static const REL::Relocation<Construct_t> func{ IDs::GameString::GameString };
			func(this, a_text, 0);
		}

		~GameString()
		{
			using Release_t = void (*)(GameString*);
			static const REL::Relocation<Release_t> func{ IDs::GameString::Release };
			func(this);
		}

		GameString(const GameString&) = delete;
		GameString& operator=(const GameString&) = delete;

		// The text of the entry a_entry leads to: forwarding entries are
		// followed to a plain one. Empty when there is none, the chain ends in
		// null, or the length is 0. Never reads past the entry's length, even
		// when no zero ends the characters within it.
		static std::string_view text_of(const void* a_entry) noexcept
		{
			for (int hops = 0; a_entry && hops <= kMaxForwards; ++hops) {
				if ((detail::read_at<std::uint8_t>(a_entry, kFlagsOffset) & kForwards) == 0) {
					const auto length = detail::read_at<std::uint32_t>(a_entry, kLinkOffset);
					const char* chars = detail::address_at<const char>(a_entry, kTextOffset);
					std::size_t size = 0;
					while (size < length && chars[size] != '\0') {
						++size;
					}
					return { chars, size };
				}
				a_entry = detail::read_at<const void*>(a_entry, kLinkOffset);
			}
			return {};
		}

		std::string_view text() const noexcept { return text_of(_entry); }
		const void* entry() const noexcept { return _entry; }

	private:
		const void* _entry{ nullptr };
	};
	static_assert(sizeof(GameString) == sizeof(void*));
}
