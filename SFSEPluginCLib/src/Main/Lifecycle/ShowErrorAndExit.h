#pragma once
// Missing game data the plugin can't run without: a message box titled with
// the plugin's name and version, then the end of the process (status 0).
#include <string>

[[noreturn]] void ShowErrorAndExit(const std::string& a_text);
