#include "PostDataLoad.h"

#include <string>

#include "DefaultIni.h"
#include "IniFile.h"
#include "Logging.h"
#include "ProfileDump.h"
#include "ProfileLoading.h"

void HandleOnPostDataLoad(SFSE::MessagingInterface::Message* a_message)
{
	if (!a_message || a_message->type != SFSE::MessagingInterface::kPostDataLoad) {
		return;
	}
	LOG_INFO("kPostDataLoad");

	if (!DoesIniExist(std::string(VanillaIniName), "")) {
		CreateDefaultIni();
	}
	ReloadAllProfilesAndSettings(true);
	DumpAllProfiles();
}
