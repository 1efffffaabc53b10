#include "Settings/ProfileDump.h"

#include "Settings/Logging.h"
#include "Settings/ProfileFields.h"
#include "Settings/Profiles.h"
#include "Settings/ValueText.h"

void DumpAllProfiles()
{
	DumpAllProfiles(Profiles);
}

void DumpAllProfiles(const std::vector<Profile>& a_profiles)
{
	LOG_INFO_AS("DumpAllProfiles", " ----------------- BEGIN ---------------- ");
	for (std::size_t i = 0; i < a_profiles.size(); ++i) {
		LOG_INFO_AS("DumpAllProfiles", "[Profile: ", i, "]");
		DumpProfileInfo(a_profiles[i]);
	}
	LOG_INFO_AS("DumpAllProfiles", " ----------------- END ---------------- ");
}

void DumpProfileInfo(const Profile& a_profile)
{
	const auto& name = a_profile.sProfileName;
	for (const auto key : ProfileDumpOrder) {
		const auto& field = *FindProfileField(key);
		switch (field.eKind) {
		case ProfileFieldKind::kHotkey:
			LOG_INFO("[", name, "] ", key, " -> 0x", GetHotkeyText(a_profile.*field.iHotkey));
			break;
		case ProfileFieldKind::kFloat:
			// The value text, not the float: what the game is handed.
			LOG_INFO("[", name, "] ", key, " -> ", a_profile.*field.sValueText);
			break;
		case ProfileFieldKind::kSwitch:
			LOG_INFO("[", name, "] ", key, " -> ", static_cast<int>(a_profile.*field.bSwitch));
			break;
		}
	}
}
