#pragma once
// Every loaded profile, field by field, in the log; written only while
// bLogging is on.
struct Profile;

// Profiles between a BEGIN and an END marker line.
void DumpAllProfiles();

// The eighteen value lines of one profile.
void DumpProfileInfo(const Profile& a_profile);
