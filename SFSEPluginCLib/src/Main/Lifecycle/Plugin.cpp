// The two symbols the script extender host looks for, and the load sequence.
#include <exception>

#include <windows.h>

#include "Helpers/AddressText.h"
#include "Lifecycle/PluginInfo.h"
#include "Lifecycle/PostDataLoad.h"
#include "SFSE/API.h"
#include "Settings/Logging.h"

extern "C" __declspec(dllexport) constinit const SFSE::PluginVersionData SFSEPlugin_Version{
	.dataVersion = 1,
	.pluginVersion = SFSE::pack_version(PluginVersionMajor, PluginVersionMinor, PluginVersionPatch, 0),
	.pluginName = TARMACOR_PLUGIN_NAME,
	.author = TARMACOR_PLUGIN_AUTHOR,
	.addressIndependence = 2,
	.structureCompatibility = 8,
	.compatibleVersions = { SFSE::pack_version(1, 14, 70, 0) },
	.seVersionRequired = SFSE::pack_version(0, 2, 13, 0),
	.reserved1 = 0,
	.reserved2 = 0,
};

extern "C" __declspec(dllexport) bool SFSEPlugin_Load(const SFSE::LoadInterface* a_sfse)
{
	// Nothing may unwind into the host: it is C code and would take the game
	// down with it.
	try {
		SFSE::Init(a_sfse);
	} catch (const std::exception& e) {
		LOG_WITHOUT_THROWING(LOG_ERROR, "can't load | the game executable could not be described: ", e.what());
		return false;
	}

	try {
		LOG_INFO(PluginNameText, " v", PluginVersionText);

		GameModuleHandle = reinterpret_cast<std::uintptr_t>(::GetModuleHandleA(nullptr));
		if (!GameModuleHandle) {
			LOG_ERROR("Starfield.exe handle couldn't be acquired, shutting down");
			return false;
		}

		if (const auto* messaging = SFSE::GetMessagingInterface()) {
			messaging->RegisterListener("SFSE", HandleOnPostDataLoad);
		} else {
			LOG_ERROR("can't register HandleOnPostDataLoad | the host offers no messaging interface");
		}
		return true;
	} catch (...) {
		LOG_WITHOUT_THROWING(LOG_ERROR, "can't load | unknown error");
		return false;
	}
}
