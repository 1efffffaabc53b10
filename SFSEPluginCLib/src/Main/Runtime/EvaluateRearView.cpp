#include "Runtime/Update3DVFuncStruct.h"

#include "Helpers/GameSettings.h"
#include "Runtime/Hotkeys.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"
#include "State/SharedState.h"

std::int32_t RearViewState = 0;

namespace
{
	constexpr const char* HeadTranslationMinX = "fVehicleDriverHeadTranslationMinX:Vehicle";
	constexpr const char* HeadTranslationMaxY = "fVehicleDriverHeadTranslationMaxY:Vehicle";
	constexpr const char* MaxAbsYaw = "fVehicleCameraFirstPersonMaxAbsYaw";
}

bool Update3DVFuncStruct::EvaluateRearView()
{
	const auto& profile = CurrentProfile;
	if (!profile.bRearView) {
		return false;
	}

	// Written on every pass, held or not: the head limits follow the key at
	// once. The results don't matter; a missing setting just stays.
	if (IsHotkeyDown(profile.iRearViewHotkey)) {
		LOG_INFO("Rear View is active");
		SetGameSetting(HeadTranslationMinX, "0", FloatSetting);
		SetGameSetting(HeadTranslationMaxY, "0", FloatSetting);
		SetGameSetting(MaxAbsYaw, "-180.0", FloatSetting);
		StoreShared(RearViewState, 1);
		return true;
	}

	LOG_INFO("Rear View is inactive");
	SetGameSetting(HeadTranslationMinX, profile.sPlayerFirstPersonCameraOffsetMinX, FloatSetting);
	SetGameSetting(HeadTranslationMaxY, profile.sPlayerFirstPersonCameraOffsetMaxY, FloatSetting);
	// The camera swings back from behind only through a yaw limit of 0.0,
	// held for one pass, before the profile's limit returns.
	if (const auto state = LoadShared(RearViewState); state == 1) {
		LOG_INFO("Rear View deactivated | resetting camera");
		SetGameSetting(MaxAbsYaw, "0.0", FloatSetting);
		StoreShared(RearViewState, 2);
	} else if (state == 2) {
		LOG_INFO("Rear View deactivated | camera has been reset");
		SetGameSetting(MaxAbsYaw, profile.sPlayerFirstPersonCameraPanoramicAngleLeftRight, FloatSetting);
		StoreShared(RearViewState, 0);
	}
	return false;
}
