#include "Settings/LoadedSettings.h"

#include <atomic>
#include <utility>

#include "Settings/Logging.h"
#include "Settings/Profiles.h"

void InstallLoadedSettings(LoadedSettings& a_settings)
{
	Profiles.swap(a_settings.profiles);
	auto& globals = a_settings.globals;
	std::swap(bCreateVanillaINIBackup, globals.bCreateVanillaINIBackup);
	globals.iTestStringValues = std::atomic_ref(iTestStringValues).exchange(globals.iTestStringValues, std::memory_order_relaxed);
	globals.bReloadOnFileChange = std::atomic_ref(bReloadOnFileChange).exchange(globals.bReloadOnFileChange, std::memory_order_relaxed);
	globals.bLogging = bLogging.exchange(globals.bLogging, std::memory_order_relaxed);
}
