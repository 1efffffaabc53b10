#pragma once
// The menus the per-frame hook must know about: a video (PlayBinkMenu) or
// the end credits (EndGameCreditsMenu). Asking the game costs two game
// strings and two calls for every fade node; instead the state is kept from
// the game's own menu events, which come for every menu that opens or
// closes, and asked of the game once when the events start coming. An event
// is newer than any answer asked for before it: an answer that arrives after
// an event for its menu is dropped.
#include <array>
#include <atomic>
#include <cstdint>
#include <string_view>

namespace RE
{
	class UI;
}

namespace MenuStateDetail
{
	// Per menu: bit 0 open, the bits above count its events.
	extern std::array<std::atomic<std::uint32_t>, 2> TrackedMenuStates;
}

inline bool IsVideoOrCreditsMenuOpen() noexcept
{
	for (const auto& state : MenuStateDetail::TrackedMenuStates) {
		if (state.load(std::memory_order_relaxed) & 1u) {
			return true;
		}
	}
	return false;
}

// A menu event: notes it when it is one of the two.
void NoteMenuOpenClose(std::string_view a_menuName, bool a_bOpening) noexcept;

// Asks the game about both menus (a_ui: the UI object, none: both closed).
void AskGameWhichMenusAreOpen(RE::UI* a_ui);
