#pragma once
// Who the plugin is, and the process-wide facts taken at load.
#include <cstdint>
#include <string_view>

#include "PluginVersion.h"

inline constexpr std::string_view PluginNameText = TARMACOR_PLUGIN_NAME;
// Major and minor: "4.4".
inline constexpr std::string_view PluginVersionText = TARMACOR_PLUGIN_VERSION_TEXT;

// Base of the game executable, taken once at load; address texts in the log
// are relative to it.
extern std::uintptr_t GameModuleHandle;
