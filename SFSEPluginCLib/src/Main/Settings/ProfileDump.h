#pragma once
// Every loaded profile, field by field, in the log; written only while
// bLogging is on.
struct Profile;

#include <vector>

// Profiles between a BEGIN and an END marker line.
void DumpAllProfiles();
// The same for a_profiles: a copy of a set put in force, written by the
// thread that read it.
void DumpAllProfiles(const std::vector<Profile>& a_profiles);

// The eighteen value lines of one profile.
void DumpProfileInfo(const Profile& a_profile);
