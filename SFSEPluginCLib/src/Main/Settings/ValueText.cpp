#include "Settings/ValueText.h"

#include <fmt/format.h>

#include "Settings/ProfileFields.h"

std::string GetFloatText(float a_value)
{
	// printf promotes to double; so does this, and fmt's fixed form is
	// exact, as printf's is.
	return fmt::format("{:f}", static_cast<double>(a_value));
}

float GetMinimumPitch(float a_upAngle)
{
	return a_upAngle > 0.0f ? -a_upAngle : a_upAngle;
}

std::string GetUpAngleText(float a_angle)
{
	return GetFloatText(GetMinimumPitch(a_angle));
}

std::string GetHotkeyText(std::int32_t a_hotkey)
{
	return fmt::format("{:X}", static_cast<std::uint32_t>(a_hotkey));
}

void FillValueTexts(Profile& a_profile)
{
	for (const auto& field : ProfileFields) {
		if (field.eKind == ProfileFieldKind::kFloat) {
			a_profile.*field.sValueText = field.GetValueText(a_profile.*field.fValue);
		}
	}
}
