#pragma once
// Every loaded profile, field by field, in the log; written only while
// bLogging is on.
#include <vector>

struct Profile;
struct ProfileView;

// Profiles, then views, between a BEGIN and an END marker line.
void DumpAllProfiles();
// The same for a set of its own: a copy of a set put in force, written by
// the thread that read it.
void DumpAllProfiles(const std::vector<Profile>& a_profiles, const std::vector<ProfileView>& a_views);

// The eighteen value lines of one profile, and the view hotkey's of one
// that has views or sets it.
void DumpProfileInfo(const Profile& a_profile, bool a_bHasViews = false);
