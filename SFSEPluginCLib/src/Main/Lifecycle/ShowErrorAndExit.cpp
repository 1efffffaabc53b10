#include "Lifecycle/ShowErrorAndExit.h"

#include <cstdlib>

#include <windows.h>

#include "Lifecycle/PluginInfo.h"

void ShowErrorAndExit(const std::string& a_text)
{
	std::string caption(PluginNameText);
	caption += " v";
	caption += PluginVersionText;
	::MessageBoxA(nullptr, a_text.c_str(), caption.c_str(), 0);
	std::exit(0);
}
