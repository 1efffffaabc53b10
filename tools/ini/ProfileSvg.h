#pragma once
// A picture of profiles' camera limits as one SVG page for a browser. No
// Windows calls.
#include <span>
#include <string>
#include <string_view>

#include "Settings/Profile.h"

struct SvgProfile
{
	const Profile* pProfile;
	std::string_view sSource;  // where it comes from: "Tarmacor.ini", ...
};

// For each profile: the look-around and aiming yaw limits seen from above,
// the pitch limits seen from the side, the head translation box, each
// labelled with its value, and the rear view's reach when it is on. Texts
// from the files (profile names) are escaped.
std::string DrawProfilesSvg(std::span<const SvgProfile> a_profiles);
