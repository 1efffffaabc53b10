#pragma once
// Building Profiles from the vanilla and the custom INI.
#include <string>

struct Profile;

// Reads the profile keys of one section of the INI a_iniName ("Tarmacor" or
// "TarmacorCustom") into *applyToProfile, a fresh record whose name is
// already set. A key that is missing, doesn't parse or is out of range keeps
// the record's value; the ten value texts are always filled.
void ReloadSettings(std::string iniName, std::string sectionName, Profile* applyToProfile);

// Rebuilds Profiles from both INI files after reloading the global
// settings; with a_createBackup the vanilla INI is backed up first. Logs
// throughout, then applies the "bLogging" the files ask for.
void ReloadAllProfilesAndSettings(bool a_createBackup);
