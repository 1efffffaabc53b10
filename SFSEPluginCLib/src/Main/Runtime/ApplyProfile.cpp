#include "Runtime/ApplyProfile.h"

#include <array>
#include <cstdint>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "Helpers/BytePatch.h"
#include "Helpers/GameSettings.h"
#include "RE/IDs.h"
#include "REL/ID.h"
#include "Settings/Logging.h"

namespace
{
	// The one instruction that decides whether the player may leave the
	// vehicle: the game compares a byte with a register; the patch compares
	// the whole value with 8 instead.
	constexpr std::array<std::uint8_t, 7> ExitAnywhereEnabled{ 0x83, 0xBD, 0xF0, 0x00, 0x00, 0x00, 0x08 };
	constexpr std::array<std::uint8_t, 7> ExitAnywhereGameForm{ 0x40, 0x38, 0xB5, 0xF0, 0x00, 0x00, 0x00 };

	void WriteCameraSettings(const Profile& a_profile)
	{
		const auto& p = a_profile;
		const std::string zero = "0";
		// The game's order; a missing setting or a text that doesn't convert
		// leaves that one setting as it is.
		const std::array<std::pair<const char*, const std::string*>, 16> writes{ {
			{ "fVehicleCameraFirstPersonMaxPitch", &p.sPlayerFirstPersonCameraPanoramicAngleDown },
			{ "fVehicleCameraFirstPersonMinPitch", &p.sPlayerFirstPersonCameraPanoramicAngleUp },
			{ "fVehicleFirstPersonCameraTranslationSpringConstantsX:Vehicle", &zero },
			{ "fVehicleFirstPersonCameraOrientationSpringConstantsX:Vehicle", &zero },
			{ "fVehicleFirstPersonCameraTranslationSpringConstantsY:Vehicle", &zero },
			{ "fVehicleFirstPersonCameraOrientationSpringConstantsY:Vehicle", &zero },
			{ "fVehicleFirstPersonCameraTranslationSpringConstantsZ:Vehicle", &zero },
			{ "fVehicleFirstPersonCameraOrientationSpringConstantsZ:Vehicle", &zero },
			{ "fVehicleDriverHeadTranslationMaxZ:Vehicle", &p.sPlayerFirstPersonCameraOffsetMaxZ },
			{ "fVehicleDriverHeadTranslationMinZ:Vehicle", &p.sPlayerFirstPersonCameraOffsetMinZ },
			{ "fVehicleCameraFirstPersonMaxAbsYaw", &p.sPlayerFirstPersonCameraPanoramicAngleLeftRight },
			{ "fVehicleCameraFirstPersonAimingMaxAbsYaw", &p.sPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode },
			{ "fVehicleDriverHeadTranslationMinY:Vehicle", &p.sPlayerFirstPersonCameraOffsetMinY },
			{ "fVehicleDriverHeadTranslationMaxY:Vehicle", &p.sPlayerFirstPersonCameraOffsetMaxY },
			{ "fVehicleDriverHeadTranslationMinX:Vehicle", &p.sPlayerFirstPersonCameraOffsetMinX },
			{ "fVehicleDriverHeadTranslationMaxX:Vehicle", &p.sPlayerFirstPersonCameraOffsetMaxX },
		} };
		for (const auto& [setting, value] : writes) {
			SetGameSetting(setting, *value, FloatSetting);
		}
	}

	// On: no slow-down while aiming. Off: the game's half speed comes back,
	// but only over our own 1.0; a value another mod or the user set stays.
	bool ApplySmartAim(bool a_smartAim)
	{
		constexpr const char* aimTimeScale = "fVehicleAimModeTimeScale";
		if (a_smartAim) {
			SetGameSetting(aimTimeScale, "1.0", FloatSetting);
			return true;
		}
		float current = -1.0f;
		if (!TryParseFloat(GetGameSetting(aimTimeScale), &current)) {
			return false;
		}
		if (current == 1.0f) {
			SetGameSetting(aimTimeScale, "0.5", FloatSetting);
		}
		return true;
	}

	enum class PatchOutcome
	{
		alreadyInPlace,
		written,
		failed,
	};

	// Writes the instruction only when it isn't already the wanted form.
	PatchOutcome ApplyExitAnywhere(bool a_exitAnywhere)
	{
		static const REL::Relocation<std::uint8_t*> site{ RE::IDs::ExitAnywhere::Function, RE::IDs::ExitAnywhere::SiteDisplacement };
		const auto& form = a_exitAnywhere ? ExitAnywhereEnabled : ExitAnywhereGameForm;
		const std::vector<std::uint8_t> wanted(form.begin(), form.end());
		if (ReadCompareBytes(wanted, site.address())) {
			return PatchOutcome::alreadyInPlace;
		}
		return WriteBytes(wanted, site.address()) ? PatchOutcome::written : PatchOutcome::failed;
	}
}

void ApplyProfile(Profile a_profile)
{
	// Callers are game threads and event sinks: nothing may unwind into them.
	try {
		LOG_INFO("applying profile [", a_profile.sProfileName, "]");

		WriteCameraSettings(a_profile);
		const bool smartAimApplied = ApplySmartAim(a_profile.bSmartAim);

		const bool enable = a_profile.bExitAnywhere;
		const auto exitAnywhere = ApplyExitAnywhere(enable);
		switch (exitAnywhere) {
		case PatchOutcome::alreadyInPlace:
			LOG_INFO(enable ? "Exit Anywhere feature is enabled" : "Exit Anywhere feature is disabled");
			break;
		case PatchOutcome::written:
			LOG_INFO(enable ? "Exit Anywhere feature enabled" : "Exit Anywhere feature disabled");
			break;
		case PatchOutcome::failed:
			LOG_ERROR(enable ? "couldn't enable Exit Anywhere feature" : "couldn't disable Exit Anywhere feature");
			LOG_ERROR("errors occured while applying Exit Anywhere");
			break;
		}
		if (!smartAimApplied) {
			LOG_ERROR("errors occured while applying Smart Aim");
		}
	} catch (const std::exception& e) {
		LOG_ERROR("can't apply profile [", a_profile.sProfileName, "] | ", e.what());
	}
}
