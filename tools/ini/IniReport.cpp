#include "IniReport.h"

#include <algorithm>

#include <fmt/format.h>

#include "IniValues.h"
#include "KeyNames.h"

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

	void PrintProfile(std::ostream& a_out, const CheckedProfile& a_profile, std::size_t a_index)
	{
		a_out << fmt::format("\n  {}. [{}] from {}\n", a_index + 1, a_profile.profile.sProfileName, GetValueSourceText(a_profile.eFile));
		const auto width = LongestProfileKey();
		for (std::size_t i = 0; i < ProfileFields.size(); ++i) {
			const auto& field = ProfileFields[i];
			const auto gameValue = DescribeGameValue(a_profile.profile, field);
			a_out << fmt::format("    {:<{}} = {:<18} {}{}\n", field.sKey, width, DescribeFieldValue(a_profile.profile, field), GetValueSourceText(a_profile.eSources[i]),
				gameValue.empty() ? "" : fmt::format(" ({})", gameValue));
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
	for (std::size_t i = 0; i < a_check.profiles.size(); ++i) {
		PrintProfile(a_out, a_check.profiles[i], i);
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
