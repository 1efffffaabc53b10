#include "State/MenuState.h"

#include <array>

#include "Helpers/MenuQueries.h"

namespace MenuStateDetail
{
	std::atomic<std::uint8_t> OpenTrackedMenus{ 0 };
}

namespace
{
	// One bit each.
	constexpr std::array<std::string_view, 2> TrackedMenus{ "PlayBinkMenu", "EndGameCreditsMenu" };

	void SetOpen(std::size_t a_menu, bool a_bOpen) noexcept
	{
		const auto bit = static_cast<std::uint8_t>(1u << a_menu);
		if (a_bOpen) {
			MenuStateDetail::OpenTrackedMenus.fetch_or(bit, std::memory_order_relaxed);
		} else {
			MenuStateDetail::OpenTrackedMenus.fetch_and(static_cast<std::uint8_t>(~bit), std::memory_order_relaxed);
		}
	}
}

void NoteMenuOpenClose(std::string_view a_menuName, bool a_bOpening) noexcept
{
	for (std::size_t i = 0; i < TrackedMenus.size(); ++i) {
		if (a_menuName == TrackedMenus[i]) {
			SetOpen(i, a_bOpening);
		}
	}
}

void AskGameWhichMenusAreOpen(RE::UI* a_ui)
{
	for (std::size_t i = 0; i < TrackedMenus.size(); ++i) {
		SetOpen(i, IsMenuOpen(a_ui, TrackedMenus[i].data()));
	}
}
