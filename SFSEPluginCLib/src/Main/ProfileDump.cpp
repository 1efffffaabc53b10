#include "ProfileDump.h"

#include "Logging.h"
#include "Profiles.h"
#include "ValueText.h"

void DumpAllProfiles()
{
	LOG_INFO(" ----------------- BEGIN ---------------- ");
	for (std::size_t i = 0; i < Profiles.size(); ++i) {
		LOG_INFO("[Profile: ", i, "]");
		DumpProfileInfo(Profiles[i]);
	}
	LOG_INFO(" ----------------- END ---------------- ");
}

void DumpProfileInfo(const Profile& a_profile)
{
	const auto& p = a_profile;
	const auto& name = p.sProfileName;
	const auto asNumber = [](bool a_switch) { return static_cast<int>(a_switch); };
	LOG_INFO("[", name, "] iShowTimeEffectHotkey -> 0x", GetHotkeyText(p.iShowTimeEffectHotkey));
	LOG_INFO("[", name, "] iRearViewHotkey -> 0x", GetHotkeyText(p.iRearViewHotkey));
	LOG_INFO("[", name, "] fPlayerFirstPersonCameraOffsetMinX -> ", p.sPlayerFirstPersonCameraOffsetMinX);
	LOG_INFO("[", name, "] fPlayerFirstPersonCameraOffsetMaxY -> ", p.sPlayerFirstPersonCameraOffsetMaxY);
	LOG_INFO("[", name, "] fPlayerFirstPersonCameraOffsetMaxZ -> ", p.sPlayerFirstPersonCameraOffsetMaxZ);
	LOG_INFO("[", name, "] fPlayerFirstPersonCameraOffsetMaxX -> ", p.sPlayerFirstPersonCameraOffsetMaxX);
	LOG_INFO("[", name, "] fPlayerFirstPersonCameraOffsetMinY -> ", p.sPlayerFirstPersonCameraOffsetMinY);
	LOG_INFO("[", name, "] fPlayerFirstPersonCameraOffsetMinZ -> ", p.sPlayerFirstPersonCameraOffsetMinZ);
	LOG_INFO("[", name, "] fPlayerFirstPersonCameraPanoramicAngleUp -> ", p.sPlayerFirstPersonCameraPanoramicAngleUp);
	LOG_INFO("[", name, "] fPlayerFirstPersonCameraPanoramicAngleDown -> ", p.sPlayerFirstPersonCameraPanoramicAngleDown);
	LOG_INFO("[", name, "] fPlayerFirstPersonCameraPanoramicAngleLeftRight -> ", p.sPlayerFirstPersonCameraPanoramicAngleLeftRight);
	LOG_INFO("[", name, "] fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode -> ", p.sPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode);
	LOG_INFO("[", name, "] bSmartAim -> ", asNumber(p.bSmartAim));
	LOG_INFO("[", name, "] bRearView -> ", asNumber(p.bRearView));
	LOG_INFO("[", name, "] bExitAnywhere -> ", asNumber(p.bExitAnywhere));
	LOG_INFO("[", name, "] iCompanionChatterHotkey -> 0x", GetHotkeyText(p.iCompanionChatterHotkey));
	LOG_INFO("[", name, "] bCompanionChatter -> ", asNumber(p.bCompanionChatter));
	LOG_INFO("[", name, "] bCompanionChatterAllowInThirdPerson -> ", asNumber(p.bCompanionChatterAllowInThirdPerson));
}
