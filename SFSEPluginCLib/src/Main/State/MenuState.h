#pragma once
// The menus the per-frame hook must know about: a video (PlayBinkMenu) or
// the end credits (EndGameCreditsMenu). Asking the game costs two game
// strings and two calls for every fade node; instead the state is kept from
// the game's own menu events, which come for every menu that opens or
// closes, and asked of the game once when the events start coming.
#include <atomic>
#include <cstdint>
#include <string_view>

namespace RE
{
	class UI;
}

namespace MenuStateDetail
{
	extern std::atomic<std::uint8_t> OpenTrackedMenus;
}

inline bool IsVideoOrCreditsMenuOpen() noexcept
{
	return MenuStateDetail::OpenTrackedMenus.load(std::memory_order_relaxed) != 0;
}

// A menu event: notes it when it is one of the two.
void NoteMenuOpenClose(std::string_view a_menuName, bool a_bOpening) noexcept;

// Asks the game about both menus (a_ui: the UI object, none: both closed).
void AskGameWhichMenusAreOpen(RE::UI* a_ui);
