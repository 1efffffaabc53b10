#pragma once
// The loaded profiles and the active one. In the game, both belong to the
// holder of RuntimeMutex (State/SharedState.h); a reload builds a new
// list aside and swaps it in.
#include <cstdint>
#include <string_view>
#include <vector>

#include "Settings/Profile.h"
#include "Settings/ProfileViews.h"

// Vanilla INI sections in file order, then custom INI sections in file order.
// Names may repeat: a custom section never merges with a vanilla one.
extern std::vector<Profile> Profiles;

// Every view of both files, in load order (ProfileViews.h).
extern std::vector<ProfileView> ProfileViews;

// The active profile: a copy, independent of Profiles. Built-in defaults with
// an empty name until one is chosen.
extern Profile CurrentProfile;

// The first profile named a_name (compared as NameText); -1 for none, and for
// an empty name.
std::int32_t FindProfileIndex(std::string_view a_name) noexcept;

// Makes Profiles[iProfileIndex] the active profile. An index out of range is
// logged and changes nothing.
void SaveCurrentProfile(std::int32_t iProfileIndex);
