#pragma once
// The game's settings: float settings found by name in the collection.
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace sim
{
	namespace game
	{
		struct Setting
		{
			const void* vtable;
			float value;  // 0x8
			std::byte pad0C[4];
			const char* name;
		};
		static_assert(offsetof(Setting, value) == 0x8);

		struct SettingCollection
		{
			const void* vtable;
		};
	}

	// The game's own values of every setting the plugin writes, in the
	// order a profile writes them (the sixteen camera settings, then the
	// aim time scale, whose 0.5 halves the speed while aiming).
	struct SettingDefault
	{
		const char* name;
		float value;
	};
	inline constexpr SettingDefault kGameSettings[]{
		{ "fVehicleCameraFirstPersonMaxPitch", 45.0f },
		{ "fVehicleCameraFirstPersonMinPitch", -30.0f },
		{ "fVehicleFirstPersonCameraTranslationSpringConstantsX:Vehicle", 250.0f },
		{ "fVehicleFirstPersonCameraOrientationSpringConstantsX:Vehicle", 300.0f },
		{ "fVehicleFirstPersonCameraTranslationSpringConstantsY:Vehicle", 250.0f },
		{ "fVehicleFirstPersonCameraOrientationSpringConstantsY:Vehicle", 300.0f },
		{ "fVehicleFirstPersonCameraTranslationSpringConstantsZ:Vehicle", 250.0f },
		{ "fVehicleFirstPersonCameraOrientationSpringConstantsZ:Vehicle", 300.0f },
		{ "fVehicleDriverHeadTranslationMaxZ:Vehicle", 0.25f },
		{ "fVehicleDriverHeadTranslationMinZ:Vehicle", -0.25f },
		{ "fVehicleCameraFirstPersonMaxAbsYaw", 60.0f },
		{ "fVehicleCameraFirstPersonAimingMaxAbsYaw", 75.0f },
		{ "fVehicleDriverHeadTranslationMinY:Vehicle", -0.3f },
		{ "fVehicleDriverHeadTranslationMaxY:Vehicle", 0.3f },
		{ "fVehicleDriverHeadTranslationMinX:Vehicle", -0.2f },
		{ "fVehicleDriverHeadTranslationMaxX:Vehicle", 0.2f },
		{ "fVehicleAimModeTimeScale", 0.5f },
	};

	struct Settings
	{
		game::SettingCollection collection{};
		game::SettingCollection* collectionGlobal{ nullptr };  // setting collection
		std::deque<std::string> names;
		std::deque<game::Setting> settings;

		game::Setting& add(std::string_view a_name, float a_value);
		// The setting of that exact name; null for none.
		game::Setting* find(std::string_view a_name);
		// The game lacks it from now on.
		void remove(std::string_view a_name);
		// Every kGameSettings entry at its value (reset() does this).
		void add_game_settings();

		// The names the game's lookup was asked for, in order (the
		// caller's text may be gone by the time a test looks).
		std::vector<std::string> lookedUp;
	};
}
