#pragma once
// A picture of profiles' camera limits as one SVG page for a browser. No
// Windows calls.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "Settings/Profile.h"

struct SvgProfile
{
	const Profile* pProfile;
	std::string_view sSource;  // where it comes from: "Tarmacor.ini", ...
	// A view's label ("far" of "[REV-8 #far]"): pProfile is then the profile
	// as the view makes it, drawn under the profile's panel and set in.
	std::optional<std::string_view> sViewLabel{};
};

// For each profile: the look-around and aiming yaw limits seen from above,
// the pitch limits seen from the side, the head translation box, each
// labelled with its value, and the rear view's reach when it is on; a view
// as its profile, titled with its section's name. Texts from the files
// (profile names, labels) are escaped.
std::string DrawProfilesSvg(std::span<const SvgProfile> a_profiles);
