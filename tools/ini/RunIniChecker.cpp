#include "RunIniChecker.h"

#include <fstream>
#include <optional>
#include <vector>

#include <fmt/format.h>

#include "IniCheck.h"
#include "IniReport.h"
#include "ProfileSvg.h"
#include "Settings/IniFile.h"

namespace
{
	constexpr int ExitClean = 0;
	constexpr int ExitWarnings = 1;
	constexpr int ExitUnreadable = 2;

	constexpr std::string_view Usage =
		"usage: tarmacor-ini [plugin folder] [--svg FILE]\n"
		"  Tells what Tarmacor makes of Tarmacor.ini and TarmacorCustom.ini: the global\n"
		"  settings, every profile and its views with their values and where they\n"
		"  come from, and a warning for everything the plugin ignores or reads\n"
		"  otherwise than written. Run it from the game folder, or give the plugin\n"
		"  folder (by default .\\Data\\SFSE\\Plugins\\). --svg FILE also draws the\n"
		"  camera limits of each profile and view as a page for a browser.\n"
		"  Exit status: 0 nothing to warn about, 1 warnings, 2 the files can't be read.\n";

	struct Options
	{
		std::optional<std::string> sFolder;
		std::optional<std::string> sSvgFile;
		bool bHelp{ false };
	};

	std::optional<Options> ParseOptions(std::span<const std::string> a_arguments, std::ostream& a_err)
	{
		Options options;
		for (std::size_t i = 0; i < a_arguments.size(); ++i) {
			const auto& argument = a_arguments[i];
			if (argument == "--help" || argument == "-h" || argument == "/?") {
				options.bHelp = true;
			} else if (argument == "--svg") {
				if (i + 1 == a_arguments.size() || a_arguments[i + 1].empty()) {
					a_err << "tarmacor-ini: --svg needs a file name\n";
					return std::nullopt;
				}
				options.sSvgFile = a_arguments[++i];
			} else if (argument.starts_with("--") || options.sFolder || argument.empty()) {
				a_err << fmt::format("tarmacor-ini: unexpected argument \"{}\"\n", argument);
				return std::nullopt;
			} else {
				options.sFolder = argument;
			}
		}
		return options;
	}

	bool IsAbsolute(std::string_view a_path) noexcept
	{
		return a_path.starts_with("\\") || a_path.starts_with("/") || (a_path.size() >= 2 && a_path[1] == ':');
	}

	// As the plugin names its folder: ending with a backslash, and a relative
	// one starting with ".\" (the INI functions look for a bare relative name
	// in the Windows folder, not the current one).
	std::string NormalizeFolder(std::string a_folder)
	{
		for (auto& c : a_folder) {
			if (c == '/') {
				c = '\\';
			}
		}
		if (!a_folder.ends_with('\\')) {
			a_folder += '\\';
		}
		if (!IsAbsolute(a_folder) && !a_folder.starts_with(".\\") && !a_folder.starts_with("..\\")) {
			a_folder.insert(0, ".\\");
		}
		return a_folder;
	}

	// Without an argument: the game folder's plugin folder; run from inside
	// the plugin folder itself, that one.
	std::string FindPluginFolder()
	{
		if (QueryPath(std::string(PluginFolder)).kind != PathKind::kFolder) {
			for (const char* file : { ".\\Tarmacor.ini", ".\\Tarmacor.dll", ".\\TarmacorCustom.ini" }) {
				if (QueryPath(file).kind == PathKind::kFile) {
					return ".\\";
				}
			}
		}
		return std::string(PluginFolder);
	}

	bool WriteSvg(const IniCheck& a_check, const std::string& a_file, std::ostream& a_err)
	{
		// Each profile, then its views as they make it.
		std::vector<Profile> viewed;
		viewed.reserve(a_check.views.size());
		std::vector<SvgProfile> profiles;
		for (std::size_t i = 0; i < a_check.profiles.size(); ++i) {
			const auto& profile = a_check.profiles[i];
			profiles.push_back({ &profile.profile, GetValueSourceText(profile.eFile) });
			for (const auto& view : a_check.views) {
				if (view.iProfile == i) {
					viewed.push_back(ApplyView(profile.profile, view.view));
					profiles.push_back({ &viewed.back(), GetValueSourceText(view.eFile), view.view.sLabel });
				}
			}
		}
		const auto page = DrawProfilesSvg(profiles);
		std::ofstream out(a_file, std::ios::binary | std::ios::trunc);
		out.write(page.data(), static_cast<std::streamsize>(page.size()));
		out.close();
		if (!out) {
			a_err << fmt::format("tarmacor-ini: can't write {}\n", a_file);
			return false;
		}
		return true;
	}
}

int RunIniChecker(std::span<const std::string> a_arguments, std::ostream& a_out, std::ostream& a_err)
{
	const auto options = ParseOptions(a_arguments, a_err);
	if (!options) {
		a_err << Usage;
		return ExitUnreadable;
	}
	if (options->bHelp) {
		a_out << Usage;
		return ExitClean;
	}

	const auto folder = options->sFolder ? NormalizeFolder(*options->sFolder) : FindPluginFolder();
	const auto check = CheckIniFiles(folder);
	if (!check.sError.empty()) {
		a_err << fmt::format("tarmacor-ini: {}\n", check.sError);
		if (!options->sFolder) {
			a_err << "Run tarmacor-ini from the game folder, or give the plugin folder: tarmacor-ini Data\\SFSE\\Plugins\n";
		}
		return ExitUnreadable;
	}
	PrintIniReport(check, a_out);
	if (options->sSvgFile) {
		if (!WriteSvg(check, *options->sSvgFile, a_err)) {
			return ExitUnreadable;
		}
		a_out << fmt::format("\nThe camera limits are drawn in {}\n", *options->sSvgFile);
	}
	return check.warnings.empty() ? ExitClean : ExitWarnings;
}
