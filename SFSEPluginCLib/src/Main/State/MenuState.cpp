#include "State/MenuState.h"

#include "Helpers/MenuQueries.h"

namespace MenuStateDetail
{
	std::array<std::atomic<std::uint32_t>, 2> TrackedMenuStates{};
}

namespace
{
	constexpr std::array<std::string_view, 2> TrackedMenus{ "PlayBinkMenu", "EndGameCreditsMenu" };
	constexpr std::uint32_t kOpen = 1;
	constexpr std::uint32_t kOneEvent = 2;
}

void NoteMenuOpenClose(std::string_view a_menuName, bool a_bOpening) noexcept
{
	for (std::size_t i = 0; i < TrackedMenus.size(); ++i) {
		if (a_menuName != TrackedMenus[i]) {
			continue;
		}
		auto& state = MenuStateDetail::TrackedMenuStates[i];
		auto seen = state.load(std::memory_order_relaxed);
		while (!state.compare_exchange_weak(seen, ((seen & ~kOpen) + kOneEvent) | (a_bOpening ? kOpen : 0), std::memory_order_relaxed)) {
		}
	}
}

void AskGameWhichMenusAreOpen(RE::UI* a_ui)
{
	for (std::size_t i = 0; i < TrackedMenus.size(); ++i) {
		auto& state = MenuStateDetail::TrackedMenuStates[i];
		auto before = state.load(std::memory_order_relaxed);
		const bool bOpen = IsMenuOpen(a_ui, TrackedMenus[i].data());
		// Stored only if no event came while the game answered.
		state.compare_exchange_strong(before, (before & ~kOpen) | (bOpen ? kOpen : 0), std::memory_order_relaxed);
	}
}
