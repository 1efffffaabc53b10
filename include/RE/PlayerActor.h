#pragma once
// The player's actor as the vehicle runtime reads it: the parent cell at
// 0xB0, the reference's lock at 0xC0 and its loaded 3D at 0xB8 (the root
// node at 8 of that).
#include <cstdint>

#include "RE/BSFadeNode.h"
#include "RE/IDs.h"
#include "RE/Offsets.h"
#include "RE/TESObjectREFR.h"
#include "REL/ID.h"

namespace RE
{
	// A cell: bit 0 of the flags byte at 0x48 marks an interior.
	class TESObjectCELL
	{
	public:
		TESObjectCELL() = delete;
		static constexpr std::size_t kFlagsOffset = 0x48;
		bool IsInterior() const noexcept { return (detail::read_at<std::uint8_t>(this, kFlagsOffset) & 1) != 0; }
	};

	namespace PlayerActor
	{
		inline constexpr std::size_t kParentCellOffset = 0xB0;
		inline constexpr std::size_t kLoadedDataOffset = 0xB8;
		inline constexpr std::size_t kLockOffset = 0xC0;
		inline constexpr std::size_t kRootNodeOffset = 0x08;

		// The player in the game's global, read anew at each call; the
		// global's address is resolved once.
		inline Actor* GetSingleton()
		{
			static const REL::Relocation<Actor**> singleton{ IDs::PlayerActor };
			return *singleton;
		}

		inline TESObjectCELL* GetParentCell(const Actor* a_actor) noexcept { return detail::read_at<TESObjectCELL*>(a_actor, kParentCellOffset); }
	}

	// Non-zero while the game is paused by its menu.
	inline bool IsGameMenuPaused()
	{
		using IsGameMenuPaused_t = std::uint64_t (*)();
		static const REL::Relocation<IsGameMenuPaused_t> func{ IDs::IsGameMenuPaused };
		return static_cast<std::uint8_t>(func()) != 0;
	}
}
