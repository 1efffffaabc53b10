#pragma once
// What the plugin makes of the INI files in one plugin folder: its profiles,
// their views and the global settings as its own settings code reads them,
// where each value comes from, and everything it will ignore or read
// otherwise than a player probably meant. Reads only; writes nothing.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Settings/Profile.h"
#include "Settings/ProfileFields.h"
#include "Settings/ProfileViews.h"

enum class ValueSource
{
	kVanillaFile,
	kCustomFile,
	kBuiltInDefault,
};

// "Tarmacor.ini", "TarmacorCustom.ini" or "built-in default".
std::string_view GetValueSourceText(ValueSource a_source) noexcept;

struct CheckedProfile
{
	Profile profile;  // as the plugin reads it
	ValueSource eFile;
	// By row of ProfileFields: the file, or the built-in default when the
	// file gives no value the plugin takes.
	std::array<ValueSource, ProfileFields.size()> eSources;
};

// A view section ("[REV-8 #far]") as the plugin reads it.
struct CheckedView
{
	ProfileView view;  // the values it sets, and which
	ValueSource eFile;
	std::string sSection;
	// The profile it changes, by index into IniCheck::profiles: the first of
	// its name, the one a vehicle of that name gets. None: no profile has
	// the name, and the view is never used.
	std::optional<std::size_t> iProfile;
};

struct CheckedGlobals
{
	bool bLogging;
	ValueSource eLoggingSource;
	bool bCreateVanillaINIBackup;
	ValueSource eBackupSource;
	std::int32_t iTestStringValues;
	ValueSource eTestStringValuesSource;
	bool bReloadOnFileChange;
	ValueSource eReloadSource;
};

// One line a player should read: the file, section and key it is about
// (either may be empty) and what the plugin will do.
struct IniWarning
{
	std::string sFile;
	std::string sSection;
	std::string sKey;
	std::string sMessage;
};

struct IniCheck
{
	std::string sFolder;
	bool bVanillaFound{ false };
	bool bCustomFound{ false };
	CheckedGlobals globals{};
	// In load order; a missing Tarmacor.ini counts as the one the plugin
	// writes on its next start.
	std::vector<CheckedProfile> profiles;
	// In load order.
	std::vector<CheckedView> views;
	std::vector<IniWarning> warnings;
	// Not empty when the files can't be read: nothing else is then set.
	std::string sError;
};

// a_folder ends with a backslash, as the plugin's folder does.
IniCheck CheckIniFiles(const std::string& a_folder);
