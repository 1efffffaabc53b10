#include "Settings/Profiles.h"

#include <utility>

#include "Settings/Logging.h"

std::vector<Profile> Profiles;
std::vector<ProfileView> ProfileViews;
Profile CurrentProfile;

std::int32_t FindProfileIndex(std::string_view a_name) noexcept
{
	if (a_name.empty()) {
		return -1;
	}
	for (std::size_t i = 0; i < Profiles.size(); ++i) {
		if (NameText(Profiles[i].sProfileName) == a_name) {
			return static_cast<std::int32_t>(i);
		}
	}
	return -1;
}

void SaveCurrentProfile(std::int32_t iProfileIndex)
{
	if (iProfileIndex < 0 || static_cast<std::size_t>(iProfileIndex) >= Profiles.size()) {
		LOG_ERROR("couldn't save CurrentProfile | iProfileIndex is out of range [", iProfileIndex, "/", Profiles.size(), "]");
		return;
	}
	// Copy first, then move in: CurrentProfile is never left half-assigned.
	Profile chosen = Profiles[static_cast<std::size_t>(iProfileIndex)];
	CurrentProfile = std::move(chosen);
}
