#pragma once
// One reading of both INI files: every profile and the global settings,
// built aside while the plugin goes on with the settings in force, then put
// in force in one step.
#include <vector>

#include "Settings/GlobalSettings.h"
#include "Settings/Profile.h"
#include "Settings/ProfileViews.h"

struct LoadedSettings
{
	std::vector<Profile> profiles;
	std::vector<ProfileView> views;
	GlobalSettingsValues globals;
};

// Puts a_settings in force: Profiles, ProfileViews and the global settings
// take its values, and a_settings is left with the ones they had (freed with it, by
// the caller). Whoever else reads Profiles must be kept out by the caller.
void InstallLoadedSettings(LoadedSettings& a_settings);
