#include "IniReport.h"

#include <algorithm>
#include <vector>

#include <fmt/format.h>

#include "IniValues.h"
#include "KeyNames.h"
#include "Settings/ProfileViews.h"

namespace
{
	std::string_view DescribeLogging(bool a_on)
	{
		return a_on ? "Logging is on: the plugin writes lines for every frame while you drive, and its log reaches its 16 MiB limit within seconds of play. Turn it on only to look at a short moment." : "Logging is off: the plugin's log keeps its start-up lines and errors, so it stays short.";
	}

	std::string_view DescribeTestStringValues(std::int32_t a_value)
	{
		if (a_value == 0) {
			return "Off, as for play: the game's string values follow the camera view.";
		}
		return a_value == 2 ? "A test switch for modders: none of the game's string values 2 to 9 follow the camera view any more. Set 0 to play." : "A test switch for modders: the game's string values 2 and 3 no longer follow the camera view. Set 0 to play.";
	}

	void PrintGlobal(std::ostream& a_out, std::string_view a_key, std::string_view a_value, ValueSource a_source, std::string_view a_meaning)
	{
		a_out << fmt::format("  {} = {} ({})\n      {}\n", a_key, a_value, GetValueSourceText(a_source), a_meaning);
	}

	std::size_t LongestProfileKey()
	{
		std::size_t longest = 0;
		for (const auto& field : ProfileFields) {
			longest = std::max(longest, field.sKey.size());
		}
		return longest;
	}

	void PrintRow(std::ostream& a_out, std::string_view a_indent, const Profile& a_values, const ProfileField& a_field, std::string_view a_source)
	{
		const auto gameValue = DescribeGameValue(a_values, a_field);
		a_out << fmt::format("{}{:<{}} = {:<18} {}{}\n", a_indent, a_field.sKey, LongestProfileKey(), DescribeFieldValue(a_values, a_field), a_source,
			gameValue.empty() ? "" : fmt::format(" ({})", gameValue));
	}

	// A view's heading, the line saying what a section named so is, and its
	// camera values: with its profile, each from the view or the profile;
	// without one, those it sets.
	void PrintView(std::ostream& a_out, const CheckedView& a_view, const CheckedProfile* a_profile, std::string_view a_number)
	{
		const auto& view = a_view.view;
		const auto file = GetValueSourceText(a_view.eFile);
		a_out << fmt::format("\n    {}[{}] from {}\n", a_number, a_view.sSection, file);
		a_out << fmt::format("      A view of [{}], never a profile: a vehicle named \"{}\" would not match it, as vehicle names with \" #\" are not known in the game.\n",
			view.sProfileName, a_view.sSection);
		const auto viewed = a_profile ? ApplyView(a_profile->profile, view) : view.values;
		for (std::size_t i = 0; i < ProfileFields.size(); ++i) {
			const auto& field = ProfileFields[i];
			if (!IsViewField(field) || (!a_profile && !view.Sets(field))) {
				continue;
			}
			const auto source = view.Sets(field) ? fmt::format("view, {}", file) : fmt::format("profile, {}", GetValueSourceText(a_profile->eSources[i]));
			PrintRow(a_out, "      ", viewed, field, source);
		}
	}

	void PrintProfile(std::ostream& a_out, const IniCheck& a_check, std::size_t a_index)
	{
		const auto& profile = a_check.profiles[a_index];
		std::vector<const CheckedView*> views;
		for (const auto& view : a_check.views) {
			if (view.iProfile == a_index) {
				views.push_back(&view);
			}
		}
		a_out << fmt::format("\n  {}. [{}] from {}\n", a_index + 1, profile.profile.sProfileName, GetValueSourceText(profile.eFile));
		for (std::size_t i = 0; i < ProfileFields.size(); ++i) {
			const auto& field = ProfileFields[i];
			// A key a player adds shows where it is set, or needed.
			if (field.bAddedByPlayer && profile.eSources[i] == ValueSource::kBuiltInDefault && views.empty()) {
				continue;
			}
			PrintRow(a_out, "    ", profile.profile, field, GetValueSourceText(profile.eSources[i]));
		}
		for (std::size_t i = 0; i < views.size(); ++i) {
			PrintView(a_out, *views[i], &profile, fmt::format("{}.{} ", a_index + 1, i + 1));
		}
	}

	std::string FormatWarning(const IniWarning& a_warning)
	{
		std::string line = a_warning.sFile;
		if (!a_warning.sSection.empty()) {
			line += fmt::format(" [{}]", a_warning.sSection);
		}
		if (!a_warning.sKey.empty()) {
			line += fmt::format(" {}", a_warning.sKey);
		}
		return fmt::format("  warning: {}: {}\n", line, a_warning.sMessage);
	}
}

void PrintIniReport(const IniCheck& a_check, std::ostream& a_out)
{
	a_out << fmt::format("Tarmacor INI check of {}\n", a_check.sFolder);
	a_out << fmt::format("  Tarmacor.ini: {}\n", a_check.bVanillaFound ? "found" : "missing");
	a_out << fmt::format("  TarmacorCustom.ini: {}\n", a_check.bCustomFound ? "found" : "none (your own profiles go there)");

	const auto& globals = a_check.globals;
	a_out << "\nGlobal settings\n";
	PrintGlobal(a_out, "bLogging", DescribeSwitch(globals.bLogging), globals.eLoggingSource, DescribeLogging(globals.bLogging));
	PrintGlobal(a_out, "bCreateVanillaINIBackup", DescribeSwitch(globals.bCreateVanillaINIBackup), globals.eBackupSource,
		"Read and reported only: Tarmacor.ini is copied to Tarmacor_backup.ini at every start either way.");
	PrintGlobal(a_out, "iTestStringValues", fmt::format("{}", globals.iTestStringValues), globals.eTestStringValuesSource, DescribeTestStringValues(globals.iTestStringValues));
	PrintGlobal(a_out, "bReloadOnFileChange", DescribeSwitch(globals.bReloadOnFileChange), globals.eReloadSource,
		globals.bReloadOnFileChange ? "On: save either file while you play and the plugin reads both again within a moment and applies the profile of the vehicle you sit in." : "Off: your edits take effect at the next save or load of a game.");

	a_out << fmt::format("\nProfiles, in load order: {}\n", a_check.profiles.size());
	if (!a_check.profiles.empty()) {
		a_out << fmt::format("  A vehicle gets the first profile named exactly as the vehicle (case matters); any other vehicle gets [{}], the first profile.\n",
			a_check.profiles.front().profile.sProfileName);
	}
	if (!a_check.views.empty()) {
		a_out << "  A section [NAME #LABEL] is the view LABEL of the profile NAME: it sets camera keys only, and the profile's iCycleViewHotkey steps through the profile and its views while you drive.\n";
	}
	for (std::size_t i = 0; i < a_check.profiles.size(); ++i) {
		PrintProfile(a_out, a_check, i);
	}
	const auto unused = std::count_if(a_check.views.begin(), a_check.views.end(), [](const CheckedView& a_view) { return !a_view.iProfile; });
	if (unused != 0) {
		a_out << fmt::format("\nViews of no profile, never used: {}\n", unused);
		for (const auto& view : a_check.views) {
			if (!view.iProfile) {
				PrintView(a_out, view, nullptr, "");
			}
		}
	}

	if (a_check.warnings.empty()) {
		a_out << "\nNo warnings: the plugin reads every value as written.\n";
		return;
	}
	a_out << fmt::format("\nWarnings: {}\n", a_check.warnings.size());
	for (const auto& warning : a_check.warnings) {
		a_out << FormatWarning(warning);
	}
}
