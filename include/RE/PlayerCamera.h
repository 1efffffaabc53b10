#pragma once
// The player camera: its current state at 0x10; in a vehicle camera state
// the view mode byte at 0x138 (0 no usable view, 1 first person, 2 or more
// third person).
#include <cstdint>

#include "RE/IDs.h"
#include "RE/Offsets.h"
#include "REL/ID.h"

namespace RE
{
	class PlayerCamera
	{
	public:
		PlayerCamera() = delete;
		PlayerCamera(const PlayerCamera&) = delete;
		PlayerCamera& operator=(const PlayerCamera&) = delete;

		static constexpr std::size_t kCurrentStateOffset = 0x10;
		static constexpr std::size_t kVehicleViewModeOffset = 0x138;

		// The camera in the game's global, read anew at each call; the
		// global's address is resolved once.
		static PlayerCamera* GetSingleton()
		{
			static const REL::Relocation<PlayerCamera**> singleton{ IDs::PlayerCamera };
			return *singleton;
		}

		const void* GetCurrentState() const noexcept { return detail::read_at<const void*>(this, kCurrentStateOffset); }

		static std::uint8_t GetVehicleViewMode(const void* a_state) noexcept { return detail::read_at<std::uint8_t>(a_state, kVehicleViewModeOffset); }
	};
}
