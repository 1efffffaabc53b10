#include "Settings/Profiles.h"

#include <utility>

#include "Settings/Logging.h"

std::vector<Profile> Profiles;
std::vector<ProfileView> ProfileViews;
Profile CurrentProfile;

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
