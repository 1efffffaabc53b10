#pragma once
// The settings of the INI files' "Global" section, which apply to the whole
// plugin rather than to one vehicle. bLogging is declared in Logging.h.
#include <cstdint>

// Read and reported; the backup is made whenever a reload asks for it.
extern bool bCreateVanillaINIBackup;

// A test switch for the game's string value slots: 0 is off, else 1 to 254.
extern std::int32_t iTestStringValues;

// Reads "Global" from the vanilla INI, then from the custom INI, whose keys
// win. The "bLogging" value goes to *bLoggingTemp; the caller decides when
// it takes effect. A key that neither file gives leaves *bLoggingTemp as it is.
void ReloadGlobalSettings(bool* bLoggingTemp);
