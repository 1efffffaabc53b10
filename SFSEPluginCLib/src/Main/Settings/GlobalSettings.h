#pragma once
// The settings of the INI files' "Global" section, which apply to the whole
// plugin rather than to one vehicle. bLogging is declared in Logging.h.
#include <cstdint>

// Read and reported; the backup is made whenever a reload asks for it. Like
// the other globals, loaded and stored whole: readers hold no lock.
extern bool bCreateVanillaINIBackup;

// Whether an edit of either INI file while the game runs is read at once (on)
// or waits for the next save or load.
extern bool bReloadOnFileChange;

// A test switch for the game's string value slots: 0 is off, else 1 to 254.
// Read by the per-frame hook on every node: loaded and stored whole.
extern std::int32_t iTestStringValues;

// One reading of the global settings, before it is put in force.
struct GlobalSettingsValues
{
	bool bLogging{ false };
	bool bCreateVanillaINIBackup{ true };
	std::int32_t iTestStringValues{ 0 };
	bool bReloadOnFileChange{ true };
};

// The global settings in force now.
GlobalSettingsValues GetGlobalSettingsInForce() noexcept;

// Puts a_values in force, bLogging included; a_values gets the ones they
// replace.
void SwapGlobalSettingsInForce(GlobalSettingsValues& a_values) noexcept;

// Reads "Global" from the vanilla INI, then from the custom INI, whose keys
// win, into *a_values, which starts from the caller's values: a key the
// vanilla INI lacks falls back to the built-in value, one neither file gives
// leaves the value as it was. The "bLogging" value goes to *bLoggingTemp
// instead, left as it is when neither file gives it; the caller decides
// when it takes effect.
void ReloadGlobalSettings(bool* bLoggingTemp, GlobalSettingsValues* a_values);

// The same, straight into the global settings in force.
void ReloadGlobalSettings(bool* bLoggingTemp);
