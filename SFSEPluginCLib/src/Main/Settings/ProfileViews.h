#pragma once
// Views: "[REV-8 #far]" in either INI file is the view "far" of the profile
// REV-8, a camera the player switches to while driving (iCycleViewHotkey).
// A view sets camera keys only, the six offsets and the four angles; a
// camera key it doesn't set, and every other value, is its profile's. A
// view never becomes a profile of its own. No Windows calls.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Settings/Profile.h"

struct ProfileField;

struct ProfileView
{
	std::string sProfileName;
	std::string sLabel;
	// The values the view sets, in the members of a record; a bit per row of
	// ProfileFields says which.
	Profile values;
	std::uint32_t iSetFields{ 0 };

	bool Sets(const ProfileField& a_field) const noexcept;
};

// The part before the first " #" and the part after it, for a section named
// so; nothing for a section that names a profile.
struct ViewSectionName
{
	std::string_view sProfileName;
	std::string_view sLabel;
};
std::optional<ViewSectionName> SplitViewSectionName(std::string_view a_section) noexcept;

// Whether a view may set the key's field: the camera keys, the floats.
bool IsViewField(const ProfileField& a_field) noexcept;

// The view's value for a_field from its INI text; a text that is empty or
// doesn't read as a number sets nothing. False for a field no view sets.
bool ApplyViewFieldText(ProfileView& a_view, const ProfileField& a_field, std::string_view a_text);

// a_profile as the view makes it: its camera values replaced by those the
// view sets, the value texts made anew.
Profile ApplyView(const Profile& a_profile, const ProfileView& a_view);

// The views of the profile named a_profileName (compared as NameText), in
// load order.
std::vector<const ProfileView*> FindViewsOf(const std::vector<ProfileView>& a_views, std::string_view a_profileName);
