#pragma once
// The profile's eighteen value fields, one row each: the INI key (which is
// also the field's name), the kind, the member, the default and, for floats,
// the text form the game is handed. The default INI, loading, the dump and
// the value texts all work from this table, each in its own order. No
// Windows calls.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Settings/Profile.h"
#include "Settings/ValueText.h"

enum class ProfileFieldKind
{
	kHotkey,
	kFloat,
	kSwitch,
};

struct ProfileField
{
	std::string_view sKey;
	ProfileFieldKind eKind;
	// The text the default INI holds; a fresh Profile holds what it reads as.
	std::string_view sDefaultText;
	// A key a player adds: the default INI doesn't hold it, and the dump
	// shows it only for a profile that uses it (files without it log as
	// they always have).
	bool bAddedByPlayer{ false };
	// The member, by kind; the other two are null.
	std::int32_t Profile::*iHotkey{ nullptr };
	float Profile::*fValue{ nullptr };
	bool Profile::*bSwitch{ nullptr };
	// Floats: the value text handed to the game, and how it is made.
	std::string Profile::*sValueText{ nullptr };
	std::string (*GetValueText)(float){ nullptr };
};

namespace ProfileFieldRows
{
	constexpr ProfileField Hotkey(std::string_view a_key, std::int32_t Profile::*a_member, std::string_view a_default)
	{
		return { .sKey = a_key, .eKind = ProfileFieldKind::kHotkey, .sDefaultText = a_default, .iHotkey = a_member };
	}

	// A hotkey a player adds, off (0) until then.
	constexpr ProfileField AddedHotkey(std::string_view a_key, std::int32_t Profile::*a_member)
	{
		return { .sKey = a_key, .eKind = ProfileFieldKind::kHotkey, .sDefaultText = "0", .bAddedByPlayer = true, .iHotkey = a_member };
	}

	constexpr ProfileField Float(std::string_view a_key, float Profile::*a_member, std::string_view a_default, std::string Profile::*a_text, std::string (*a_textForm)(float) = GetFloatText)
	{
		return { .sKey = a_key, .eKind = ProfileFieldKind::kFloat, .sDefaultText = a_default, .fValue = a_member, .sValueText = a_text, .GetValueText = a_textForm };
	}

	constexpr ProfileField Switch(std::string_view a_key, bool Profile::*a_member, std::string_view a_default)
	{
		return { .sKey = a_key, .eKind = ProfileFieldKind::kSwitch, .sDefaultText = a_default, .bSwitch = a_member };
	}
}

// In the order of the default INI, which is also the order keys are read in.
inline constexpr std::array ProfileFields = {
	// clang-format off
	ProfileFieldRows::Hotkey("iShowTimeEffectHotkey", &Profile::iShowTimeEffectHotkey, "0x20"),  // space
	ProfileFieldRows::Hotkey("iRearViewHotkey", &Profile::iRearViewHotkey, "0x51"),  // Q
	ProfileFieldRows::Float("fPlayerFirstPersonCameraOffsetMinX", &Profile::fPlayerFirstPersonCameraOffsetMinX, "-0.58", &Profile::sPlayerFirstPersonCameraOffsetMinX),
	ProfileFieldRows::Float("fPlayerFirstPersonCameraOffsetMaxY", &Profile::fPlayerFirstPersonCameraOffsetMaxY, "-2.0", &Profile::sPlayerFirstPersonCameraOffsetMaxY),
	ProfileFieldRows::Float("fPlayerFirstPersonCameraOffsetMaxZ", &Profile::fPlayerFirstPersonCameraOffsetMaxZ, "0.55", &Profile::sPlayerFirstPersonCameraOffsetMaxZ),
	ProfileFieldRows::Float("fPlayerFirstPersonCameraOffsetMaxX", &Profile::fPlayerFirstPersonCameraOffsetMaxX, "0.0", &Profile::sPlayerFirstPersonCameraOffsetMaxX),
	ProfileFieldRows::Float("fPlayerFirstPersonCameraOffsetMinY", &Profile::fPlayerFirstPersonCameraOffsetMinY, "0.0", &Profile::sPlayerFirstPersonCameraOffsetMinY),
	ProfileFieldRows::Float("fPlayerFirstPersonCameraOffsetMinZ", &Profile::fPlayerFirstPersonCameraOffsetMinZ, "0.0", &Profile::sPlayerFirstPersonCameraOffsetMinZ),
	// Degrees. The game's minimum pitch looks up with negative values.
	ProfileFieldRows::Float("fPlayerFirstPersonCameraPanoramicAngleUp", &Profile::fPlayerFirstPersonCameraPanoramicAngleUp, "90.0", &Profile::sPlayerFirstPersonCameraPanoramicAngleUp, GetUpAngleText),
	ProfileFieldRows::Float("fPlayerFirstPersonCameraPanoramicAngleDown", &Profile::fPlayerFirstPersonCameraPanoramicAngleDown, "70.0", &Profile::sPlayerFirstPersonCameraPanoramicAngleDown),
	ProfileFieldRows::Float("fPlayerFirstPersonCameraPanoramicAngleLeftRight", &Profile::fPlayerFirstPersonCameraPanoramicAngleLeftRight, "90.0", &Profile::sPlayerFirstPersonCameraPanoramicAngleLeftRight),
	ProfileFieldRows::Float("fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode", &Profile::fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode, "100.0", &Profile::sPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode),
	ProfileFieldRows::Switch("bSmartAim", &Profile::bSmartAim, "1"),
	ProfileFieldRows::Switch("bRearView", &Profile::bRearView, "1"),
	ProfileFieldRows::Switch("bExitAnywhere", &Profile::bExitAnywhere, "1"),
	ProfileFieldRows::Switch("bCompanionChatter", &Profile::bCompanionChatter, "1"),
	ProfileFieldRows::Switch("bCompanionChatterAllowInThirdPerson", &Profile::bCompanionChatterAllowInThirdPerson, "1"),
	ProfileFieldRows::Hotkey("iCompanionChatterHotkey", &Profile::iCompanionChatterHotkey, "0xA0"),  // left Shift
	ProfileFieldRows::AddedHotkey("iCycleViewHotkey", &Profile::iCycleViewHotkey),
	// clang-format on
};

// The keys the default INI holds and the dump always shows.
inline constexpr std::size_t StandingProfileFieldCount = 18;

// The row of an INI key (exact spelling), or null.
constexpr const ProfileField* FindProfileField(std::string_view a_key)
{
	for (const auto& field : ProfileFields) {
		if (field.sKey == a_key) {
			return &field;
		}
	}
	return nullptr;
}

// The dump's order: the chatter hotkey comes after the Exit Anywhere switch.
inline constexpr std::array<std::string_view, StandingProfileFieldCount> ProfileDumpOrder = {
	"iShowTimeEffectHotkey",
	"iRearViewHotkey",
	"fPlayerFirstPersonCameraOffsetMinX",
	"fPlayerFirstPersonCameraOffsetMaxY",
	"fPlayerFirstPersonCameraOffsetMaxZ",
	"fPlayerFirstPersonCameraOffsetMaxX",
	"fPlayerFirstPersonCameraOffsetMinY",
	"fPlayerFirstPersonCameraOffsetMinZ",
	"fPlayerFirstPersonCameraPanoramicAngleUp",
	"fPlayerFirstPersonCameraPanoramicAngleDown",
	"fPlayerFirstPersonCameraPanoramicAngleLeftRight",
	"fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode",
	"bSmartAim",
	"bRearView",
	"bExitAnywhere",
	"iCompanionChatterHotkey",
	"bCompanionChatter",
	"bCompanionChatterAllowInThirdPerson",
};

namespace ProfileFieldRows
{
	// Every standing key once in the dump's order, and no row without its
	// member.
	constexpr bool IsCompleteOrder(const std::array<std::string_view, StandingProfileFieldCount>& a_order)
	{
		std::size_t standing = 0;
		for (const auto& field : ProfileFields) {
			standing += !field.bAddedByPlayer;
		}
		if (standing != a_order.size()) {
			return false;
		}
		for (std::size_t i = 0; i < a_order.size(); ++i) {
			if (!FindProfileField(a_order[i]) || FindProfileField(a_order[i])->bAddedByPlayer) {
				return false;
			}
			for (std::size_t j = 0; j < i; ++j) {
				if (a_order[j] == a_order[i]) {
					return false;
				}
			}
		}
		return true;
	}

	constexpr bool HasMembers(const ProfileField& a_field)
	{
		switch (a_field.eKind) {
		case ProfileFieldKind::kHotkey: return a_field.iHotkey != nullptr;
		case ProfileFieldKind::kFloat: return a_field.fValue != nullptr && a_field.sValueText != nullptr && a_field.GetValueText != nullptr;
		case ProfileFieldKind::kSwitch: return a_field.bSwitch != nullptr;
		}
		return false;
	}
}

static_assert(ProfileFieldRows::IsCompleteOrder(ProfileDumpOrder));
static_assert([] {
	for (const auto& field : ProfileFields) {
		if (!ProfileFieldRows::HasMembers(field)) {
			return false;
		}
	}
	return true;
}());

// One field from its INI text, by the rules of its kind (ValueParsing.h): a
// text that is empty, doesn't parse or is out of range leaves it as it was.
void ApplyProfileFieldText(Profile& a_profile, const ProfileField& a_field, std::string_view a_text) noexcept;
