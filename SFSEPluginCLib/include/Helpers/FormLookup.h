#pragma once
// Loaded data files and the forms they define, found by file name and local
// form ID. Every failure gives null and says why in the log.
#include <cstdint>
#include <string>

#include "RE/TESForm.h"
#include "RE/TESPackedFile.h"

// Which of the game's file lists a file was found in.
enum PluginType : std::int32_t
{
	kPluginTypeNone = 0,
	kPluginTypeFull = 1,
	kPluginTypeSmall = 2,
	kPluginTypeMedium = 3,
};

// The loaded file named a_pluginName, letter case aside, searched in the
// full, small and medium lists in that order; *a_pluginType is set only when
// one is found.
RE::TESPackedFile* LookupTESFileByName(std::string a_pluginName, std::int32_t* a_pluginType);

// The form with the local ID sHexFormIDNoPrefix (hexadecimal, no "0x") in
// the file a_pluginName ("Starfield.esm" when empty).
RE::TESForm* GetFormFromFile(std::string sHexFormIDNoPrefix, std::string a_pluginName);

// Upper-case hexadecimal, at least 8 digits ("00000014").
std::string GetFormIDAsHex(std::uint32_t a_formID);
