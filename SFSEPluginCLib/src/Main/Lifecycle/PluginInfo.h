#pragma once
// Who the plugin is.
#include <string_view>

#include "PluginVersion.h"

inline constexpr std::string_view PluginNameText = TARMACOR_PLUGIN_NAME;
// Major and minor: "4.4".
inline constexpr std::string_view PluginVersionText = TARMACOR_PLUGIN_VERSION_TEXT;
