#pragma once
// The player camera and its current state.
#include <cstddef>
#include <cstdint>

namespace sim
{
	namespace game
	{
		struct TESCameraState
		{
			std::byte pad000[0x138];
			// 0x138: 0 no usable vehicle view, 1 first person, 2+ third person.
			std::uint8_t vehicleViewMode;
		};
		static_assert(offsetof(TESCameraState, vehicleViewMode) == 0x138);

		struct PlayerCamera
		{
			std::byte pad00[0x10];
			TESCameraState* currentState;  // 0x10
		};
		static_assert(offsetof(PlayerCamera, currentState) == 0x10);
	}

	struct Camera
	{
		game::PlayerCamera camera{};
		game::TESCameraState vehicleState{};
		game::PlayerCamera* cameraGlobal{ nullptr };  // RE::PlayerCamera
	};
}
