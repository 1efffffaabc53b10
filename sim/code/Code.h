#pragma once
// The game's code sites as C++ sees them: the named entry points of the
// assembler files, with the displacements they share.
#include <cstddef>
#include <cstdint>
#include <span>

#include "sim/GameIndex.h"
#include "sim/code/CodeSites.h"
#include "sim/world/Dialogue.h"
#include "sim/world/References.h"
#include "sim/world/Scene.h"

extern "C"
{
	extern const std::byte sim_ExitAnywhereFunction[];
	extern const std::byte sim_ExitAnywhereSite[];
	extern const std::byte sim_DialogueFunction[];
	extern const void* const sim_BSFadeNodeVTable[];
}

namespace sim::code
{
	inline constexpr std::ptrdiff_t kExitAnywhereSite = SIM_EXIT_ANYWHERE_SITE;
	inline constexpr std::ptrdiff_t kDialogueFirstCall = SIM_DIALOGUE_FIRST_CALL;
	inline constexpr std::ptrdiff_t kDialogueSecondCall = SIM_DIALOGUE_SECOND_CALL;
	inline constexpr std::size_t kFadeNodeVisibilitySlot = SIM_FADE_NODE_VISIBILITY_SLOT;
	static_assert(kFadeNodeVisibilitySlot == game::kUpdateVisibilitySlot);

	// The two idle-line functions behind the dialogue call sites, with the
	// game's signatures; the routines that reach them through the sites.
	using FirstLine = game::TESTopicInfo* (*)(std::uint64_t, std::int32_t, std::int32_t, game::TESObjectREFR* akSpeaker,
		game::TESObjectREFR* akTarget, std::uint64_t, std::uint64_t, std::uint64_t, std::uint64_t);
	using SecondLine = std::uint64_t (*)(std::uint64_t, game::TESObjectREFR* akSpeaker, std::int32_t, std::int32_t,
		std::uint64_t, game::TESObjectREFR* akTarget, char, game::TESTopicInfo*, std::uint64_t);
	FirstLine first_line_routine() noexcept;
	SecondLine second_line_routine() noexcept;

	// The fade node's visibility update (what the table's slot holds).
	using UpdateVisibility = std::uint8_t (*)(game::NiNode*, std::uint8_t);

	std::span<const GameItem> rows();
}
