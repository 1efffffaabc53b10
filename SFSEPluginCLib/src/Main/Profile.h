#pragma once
// The driving settings for one kind of vehicle, as read from one INI section.
// A plain record, copied by value; the section name is the profile's name.
#include <cstdint>
#include <string>

struct Profile
{
	std::string sProfileName;

	// Windows virtual-key codes.
	std::int32_t iShowTimeEffectHotkey{ 0x20 };    // space
	std::int32_t iRearViewHotkey{ 0x51 };          // Q
	std::int32_t iCompanionChatterHotkey{ 0xA0 };  // left Shift

	float fPlayerFirstPersonCameraOffsetMinX{ -0.58f };
	float fPlayerFirstPersonCameraOffsetMaxY{ -2.0f };
	float fPlayerFirstPersonCameraOffsetMaxZ{ 0.55f };
	float fPlayerFirstPersonCameraOffsetMaxX{ 0.0f };
	float fPlayerFirstPersonCameraOffsetMinY{ 0.0f };
	float fPlayerFirstPersonCameraOffsetMinZ{ 0.0f };
	// Degrees.
	float fPlayerFirstPersonCameraPanoramicAngleUp{ 90.0f };
	float fPlayerFirstPersonCameraPanoramicAngleDown{ 70.0f };
	float fPlayerFirstPersonCameraPanoramicAngleLeftRight{ 90.0f };
	float fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode{ 100.0f };

	bool bSmartAim{ true };
	bool bRearView{ true };
	bool bExitAnywhere{ true };
	bool bCompanionChatter{ true };
	bool bCompanionChatterAllowInThirdPerson{ true };

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
