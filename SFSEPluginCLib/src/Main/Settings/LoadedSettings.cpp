#include "Settings/LoadedSettings.h"

#include "Settings/Profiles.h"

void InstallLoadedSettings(LoadedSettings& a_settings)
{
	Profiles.swap(a_settings.profiles);
	ProfileViews.swap(a_settings.views);
	SwapGlobalSettingsInForce(a_settings.globals);
}
