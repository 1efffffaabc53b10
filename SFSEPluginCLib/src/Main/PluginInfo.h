#pragma once
// Who the plugin is, and the process-wide facts taken at load.
#include <cstdint>
#include <string_view>

inline constexpr std::string_view PluginNameText = "Tarmacor - SFSE Plugin by Quenvar";
inline constexpr std::string_view PluginVersionText = "4.4";

// Base of the game executable, taken once at load; address texts in the log
// are relative to it.
extern std::uintptr_t GameModuleHandle;
