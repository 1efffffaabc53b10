#pragma once
// The driving settings for one kind of vehicle, as read from one INI section.
// A plain record, copied by value; the section name is the profile's name.
// Each value field's INI key, kind and default are in ProfileFields.h.
#include <cstdint>
#include <string>
#include <string_view>

struct Profile
{
	// The built-in defaults (what the default INI's texts read as), an empty
	// name and ten empty value texts.
	Profile();

	std::string sProfileName;

	// Windows virtual-key codes.
	std::int32_t iShowTimeEffectHotkey{};
	std::int32_t iRearViewHotkey{};
	std::int32_t iCompanionChatterHotkey{};
	// Steps through the profile's views (ProfileViews.h); 0, off, unless a
	// player sets one.
	std::int32_t iCycleViewHotkey{};

	float fPlayerFirstPersonCameraOffsetMinX{};
	float fPlayerFirstPersonCameraOffsetMaxY{};
	float fPlayerFirstPersonCameraOffsetMaxZ{};
	float fPlayerFirstPersonCameraOffsetMaxX{};
	float fPlayerFirstPersonCameraOffsetMinY{};
	float fPlayerFirstPersonCameraOffsetMinZ{};
	// Degrees.
	float fPlayerFirstPersonCameraPanoramicAngleUp{};
	float fPlayerFirstPersonCameraPanoramicAngleDown{};
	float fPlayerFirstPersonCameraPanoramicAngleLeftRight{};
	float fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode{};

	bool bSmartAim{};
	bool bRearView{};
	bool bExitAnywhere{};
	bool bCompanionChatter{};
	bool bCompanionChatterAllowInThirdPerson{};

	// The game takes its settings as texts: the "%f" form of each float
	// above, filled when the profile is read. The up angle holds the negated
	// angle, since the game's minimum pitch looks up with negative values.
	std::string sPlayerFirstPersonCameraOffsetMinX;
	std::string sPlayerFirstPersonCameraOffsetMaxY;
	std::string sPlayerFirstPersonCameraOffsetMaxZ;
	std::string sPlayerFirstPersonCameraOffsetMaxX;
	std::string sPlayerFirstPersonCameraOffsetMinY;
	std::string sPlayerFirstPersonCameraOffsetMinZ;
	std::string sPlayerFirstPersonCameraPanoramicAngleUp;
	std::string sPlayerFirstPersonCameraPanoramicAngleDown;
	std::string sPlayerFirstPersonCameraPanoramicAngleLeftRight;
	std::string sPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode;
};

// A name as names are compared: exactly, case and blanks included, up to the
// first zero.
inline std::string_view NameText(const std::string& a_name) noexcept
{
	return std::string_view(a_name.c_str());
}
