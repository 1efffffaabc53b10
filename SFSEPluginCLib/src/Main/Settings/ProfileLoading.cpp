#include "Settings/ProfileLoading.h"

#include <string_view>
#include <vector>

#include "Settings/GlobalSettings.h"
#include "Settings/IniBackup.h"
#include "Settings/IniFile.h"
#include "Settings/LoadedSettings.h"
#include "Settings/Logging.h"
#include "Settings/ProfileFields.h"
#include "Settings/Profiles.h"
#include "Settings/SectionNames.h"
#include "Settings/SectionReading.h"
#include "Settings/ValueText.h"

namespace
{
	struct IniSource
	{
		std::string_view sBaseName;
		std::string_view sFileName;
		std::string_view sLogTerm;
	};
}

void ReloadSettings(std::string iniName, std::string sectionName, Profile* applyToProfile)
{
	if (!applyToProfile) {
		LOG_ERROR("could not reload settings from INI [", iniName, "] | applyToProfile");
		return;
	}
	if (!DoesIniExist(iniName, "")) {
		LOG_ERROR("could not reload settings from INI [", iniName, "] | DoesIniExist");
		return;
	}

	// One read for the section, not one per key: with hundreds of profiles
	// the reads are most of a reload's time. In the default INI's order.
	const SectionReading section(iniName, sectionName);
	for (const auto& field : ProfileFields) {
		ApplyProfileFieldText(*applyToProfile, field, section.GetValue(field.sKey));
	}
	FillValueTexts(*applyToProfile);
}

void ReloadViewSettings(const std::string& a_iniName, const std::string& a_sectionName, ProfileView& a_view)
{
	const SectionReading section(a_iniName, a_sectionName);
	// Keys a view can't set are passed by.
	for (const auto& field : ProfileFields) {
		ApplyViewFieldText(a_view, field, section.GetValue(field.sKey));
	}
}

void ReloadAllProfilesAndSettings(bool a_createBackup, LoadedSettings* a_into)
{
	if (a_createBackup) {
		CreateBackupOfINI(std::string(VanillaIniName));
	}

	// The reload reports itself whatever the files say; their "bLogging"
	// takes effect when the result is put in force.
	const ScopedForcedLogging reportsItself;
	bool bLoggingTemp = false;

	auto& profiles = a_into->profiles;
	profiles.clear();
	auto& views = a_into->views;
	views.clear();
	a_into->globals = GetGlobalSettingsInForce();
	ReloadGlobalSettings(&bLoggingTemp, &a_into->globals);

	static constexpr IniSource sources[] = {
		{ VanillaIniName, "Tarmacor.ini", "VanillaINI" },
		{ CustomIniName, "TarmacorCustom.ini", "CustomINI" },
	};
	for (const auto& source : sources) {
		const auto sectionNames = GetIniSectionNames(std::string(GetPluginFolder()), std::string(source.sFileName));
		if (sectionNames.empty()) {
			LOG_WARNING(source.sLogTerm, "SectionNames.size == 0");
			continue;
		}
		for (std::size_t i = 0; i < sectionNames.size(); ++i) {
			const auto& name = sectionNames[i];
			if (name.empty()) {
				LOG_ERROR("sProfileName is empty in ", source.sLogTerm, " at (", i, ")");
				continue;
			}
			if (IsGlobalSectionName(name)) {
				continue;
			}
			if (const auto viewName = SplitViewSectionName(name)) {
				ProfileView view;
				view.sProfileName = viewName->sProfileName;
				view.sLabel = viewName->sLabel;
				LOG_INFO("adding View [", view.sLabel, "] of Profile [", view.sProfileName, "] from ", source.sLogTerm, " to Views | Views.size == ", views.size());
				ReloadViewSettings(std::string(source.sBaseName), name, view);
				views.push_back(std::move(view));
				continue;
			}
			Profile profile;
			profile.sProfileName = name;
			LOG_INFO("adding Profile [", name, "] from ", source.sLogTerm, " to Profiles | Profiles.size == ", profiles.size());
			ReloadSettings(std::string(source.sBaseName), name, &profile);
			profiles.push_back(std::move(profile));
		}
	}

	if (!bLoggingTemp) {
		LOG_INFO("logging was requested to be turned off");
	}
	a_into->globals.bLogging = bLoggingTemp;
}

void ReloadAllProfilesAndSettings(bool a_createBackup)
{
	LoadedSettings settings;
	ReloadAllProfilesAndSettings(a_createBackup, &settings);
	InstallLoadedSettings(settings);
}
