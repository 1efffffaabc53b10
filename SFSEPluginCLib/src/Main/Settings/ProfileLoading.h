#pragma once
// Building Profiles from the vanilla and the custom INI.
#include <string>

struct Profile;

// Reads the profile keys of one section of the INI a_iniName ("Tarmacor" or
// "TarmacorCustom") into *applyToProfile, a fresh record whose name is
// already set. A key that is missing, doesn't parse or is out of range keeps
// the record's value; the ten value texts are always filled.
void ReloadSettings(std::string iniName, std::string sectionName, Profile* applyToProfile);

struct ProfileView;

// Reads the camera keys of the view section a_sectionName into a_view.
void ReloadViewSettings(const std::string& a_iniName, const std::string& a_sectionName, ProfileView& a_view);

struct LoadedSettings;

// Reads the global settings and every profile of both INI files into
// *a_into, leaving the ones in force alone; with a_createBackup the vanilla
// INI is backed up first. The reload's lines are written whatever bLogging
// says; the "bLogging" the files ask for is in a_into->globals.
void ReloadAllProfilesAndSettings(bool a_createBackup, LoadedSettings* a_into);

// The same, then put in force at once (for a caller that is alone with
// Profiles: the INI checker, or one that keeps the frames out).
void ReloadAllProfilesAndSettings(bool a_createBackup);
