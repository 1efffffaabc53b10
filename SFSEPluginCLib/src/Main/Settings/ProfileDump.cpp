#include "Settings/ProfileDump.h"

#include "Settings/Logging.h"
#include "Settings/ProfileFields.h"
#include "Settings/Profiles.h"
#include "Settings/ValueText.h"

namespace
{
	// One value line under a_name ("REV-8", or "REV-8 #far" for a view). A
	// profile's float shows its value text, what the game is handed (empty
	// in a record the reader never filled); a view's, the text its value
	// makes.
	void DumpValue(std::string_view a_name, const ProfileField& a_field, const Profile& a_values, bool a_bView = false)
	{
		switch (a_field.eKind) {
		case ProfileFieldKind::kHotkey:
			LOG_INFO_AS("DumpProfileInfo", "[", a_name, "] ", a_field.sKey, " -> 0x", GetHotkeyText(a_values.*a_field.iHotkey));
			break;
		case ProfileFieldKind::kFloat:
			LOG_INFO_AS("DumpProfileInfo", "[", a_name, "] ", a_field.sKey, " -> ",
				a_bView ? a_field.GetValueText(a_values.*a_field.fValue) : a_values.*a_field.sValueText);
			break;
		case ProfileFieldKind::kSwitch:
			LOG_INFO_AS("DumpProfileInfo", "[", a_name, "] ", a_field.sKey, " -> ", static_cast<int>(a_values.*a_field.bSwitch));
			break;
		}
	}
}

void DumpAllProfiles()
{
	DumpAllProfiles(Profiles, ProfileViews);
}

void DumpAllProfiles(const std::vector<Profile>& a_profiles, const std::vector<ProfileView>& a_views)
{
	LOG_INFO_AS("DumpAllProfiles", " ----------------- BEGIN ---------------- ");
	for (std::size_t i = 0; i < a_profiles.size(); ++i) {
		LOG_INFO_AS("DumpAllProfiles", "[Profile: ", i, "]");
		DumpProfileInfo(a_profiles[i], !FindViewsOf(a_views, a_profiles[i].sProfileName).empty());
	}
	// Each view with the values it sets.
	for (std::size_t i = 0; i < a_views.size(); ++i) {
		const auto& view = a_views[i];
		LOG_INFO_AS("DumpAllProfiles", "[View: ", i, "]");
		const auto name = view.sProfileName + " #" + view.sLabel;
		for (const auto& field : ProfileFields) {
			if (view.Sets(field)) {
				DumpValue(name, field, view.values, true);
			}
		}
	}
	LOG_INFO_AS("DumpAllProfiles", " ----------------- END ---------------- ");
}

void DumpProfileInfo(const Profile& a_profile, bool a_bHasViews)
{
	for (const auto key : ProfileDumpOrder) {
		DumpValue(a_profile.sProfileName, *FindProfileField(key), a_profile);
	}
	if (a_bHasViews || a_profile.iCycleViewHotkey != 0) {
		DumpValue(a_profile.sProfileName, *FindProfileField("iCycleViewHotkey"), a_profile);
	}
}
