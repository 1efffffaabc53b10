#include "ValueText.h"

#include <fmt/format.h>

#include "Profile.h"

std::string GetFloatText(float a_value)
{
	// printf promotes to double; so does this, and fmt's fixed form is
	// exact, as printf's is.
	return fmt::format("{:f}", static_cast<double>(a_value));
}

std::string GetUpAngleText(float a_angle)
{
	return GetFloatText(a_angle > 0.0f ? -a_angle : a_angle);
}

std::string GetHotkeyText(std::int32_t a_hotkey)
{
	return fmt::format("{:X}", static_cast<std::uint32_t>(a_hotkey));
}

void FillValueTexts(Profile& a_profile)
{
	auto& p = a_profile;
	p.sPlayerFirstPersonCameraOffsetMinX = GetFloatText(p.fPlayerFirstPersonCameraOffsetMinX);
	p.sPlayerFirstPersonCameraOffsetMaxY = GetFloatText(p.fPlayerFirstPersonCameraOffsetMaxY);
	p.sPlayerFirstPersonCameraOffsetMaxZ = GetFloatText(p.fPlayerFirstPersonCameraOffsetMaxZ);
	p.sPlayerFirstPersonCameraOffsetMaxX = GetFloatText(p.fPlayerFirstPersonCameraOffsetMaxX);
	p.sPlayerFirstPersonCameraOffsetMinY = GetFloatText(p.fPlayerFirstPersonCameraOffsetMinY);
	p.sPlayerFirstPersonCameraOffsetMinZ = GetFloatText(p.fPlayerFirstPersonCameraOffsetMinZ);
	p.sPlayerFirstPersonCameraPanoramicAngleUp = GetUpAngleText(p.fPlayerFirstPersonCameraPanoramicAngleUp);
	p.sPlayerFirstPersonCameraPanoramicAngleDown = GetFloatText(p.fPlayerFirstPersonCameraPanoramicAngleDown);
	p.sPlayerFirstPersonCameraPanoramicAngleLeftRight = GetFloatText(p.fPlayerFirstPersonCameraPanoramicAngleLeftRight);
	p.sPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode = GetFloatText(p.fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode);
}
