// ini_checker_bench: what tarmacor-ini costs beside the plugin's own reload
// of the same files, for 10, 100 and 600 profiles of three keys each in
// TarmacorCustom.ini (Tarmacor.ini as the plugin writes it). The reload is
// the floor: the checker runs it and then finds where each value came from.
// Both run in this process, the reload quiet as the checker runs it, and
// take turns so that a slow moment of the machine hits both. Then the
// program itself, started with its report going to NUL (a character device,
// as a console is), beside this program started to reload the same files
// only: both processes start cold. Prints figures, asserts nothing; exits
// with 1 when a program it starts fails.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <windows.h>

#include <spdlog/spdlog.h>

#include "RunIniChecker.h"
#include "Settings/DefaultIni.h"
#include "Settings/IniFile.h"
#include "Settings/ProfileLoading.h"
#include "Timing.h"
#include "sim/GameFolder.h"

namespace
{
	using bench::Milliseconds;
	using bench::Summarize;
	using bench::Times;

	void WriteProfiles(const std::filesystem::path& a_plugins, int a_count)
	{
		std::filesystem::remove(a_plugins / "Tarmacor.ini");
		CreateDefaultIni();
		std::ofstream custom(a_plugins / "TarmacorCustom.ini", std::ios::binary | std::ios::trunc);
		for (int i = 0; i < a_count; ++i) {
			custom << "[Vehicle-" << i << "]\r\nbSmartAim=0\r\niRearViewHotkey=0x52\r\nfPlayerFirstPersonCameraOffsetMaxY=-1.5\r\n";
		}
	}

	void Reload()
	{
		spdlog::set_default_logger(std::make_shared<spdlog::logger>("bench-null"));
		SetPluginFolder(std::string(PluginFolder));
		ReloadAllProfilesAndSettings(false);
	}

	void Check()
	{
		std::ostringstream out;
		std::ostringstream err;
		RunIniChecker({}, out, err);
	}

	// The program as a player starts it in the game folder, its output to
	// NUL; its exit status, or -1 when it couldn't start.
	long RunProgram(const std::filesystem::path& a_program, const wchar_t* a_arguments)
	{
		SECURITY_ATTRIBUTES inherit{ sizeof(inherit), nullptr, TRUE };
		const HANDLE nul = ::CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
		STARTUPINFOW startup{};
		startup.cb = sizeof(startup);
		startup.dwFlags = STARTF_USESTDHANDLES;
		startup.hStdInput = nul;
		startup.hStdOutput = nul;
		startup.hStdError = nul;
		std::wstring commandLine = L"\"" + a_program.wstring() + L"\" " + a_arguments;
		PROCESS_INFORMATION process{};
		long status = -1;
		if (::CreateProcessW(a_program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
			::WaitForSingleObject(process.hProcess, INFINITE);
			DWORD exitCode = 0;
			::GetExitCodeProcess(process.hProcess, &exitCode);
			status = static_cast<long>(exitCode);
			::CloseHandle(process.hThread);
			::CloseHandle(process.hProcess);
		} else {
			std::printf("can't start %ls (error %lu)\n", a_program.c_str(), ::GetLastError());
		}
		::CloseHandle(nul);
		return status;
	}

	std::filesystem::path ThisProgram()
	{
		std::wstring path(MAX_PATH, L'\0');
		path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
		return std::filesystem::path(path);
	}

	void PrintRow(const char* a_what, int a_profiles, const char* a_floor, Times a_measured, Times a_floorTimes)
	{
		char label[64];
		std::snprintf(label, sizeof(label), "%s, %d profiles", a_what, a_profiles);
		std::printf("%-38s %9.1f ms (longest %9.1f)   %-14s %9.1f ms (longest %9.1f)   ratio %.2f (longest %.2f)\n", label,
			a_measured.dMedian, a_measured.dLongest, a_floor, a_floorTimes.dMedian, a_floorTimes.dLongest,
			a_measured.dMedian / a_floorTimes.dMedian, a_measured.dLongest / a_floorTimes.dLongest);
	}
}

int main(int argc, char** argv)
{
	// The floor of the program's row: a process of its own that starts and
	// reloads the files, as cold as the program's.
	if (argc > 1 && std::string(argv[1]) == "--reload-only") {
		Reload();
		return 0;
	}
	const auto self = ThisProgram();
	const auto program = self.parent_path() / L"tarmacor-ini.exe";
	sim::GameFolder game;
	for (const int profiles : { 10, 100, 600 }) {
		WriteProfiles(game.plugins(), profiles);
		// The platform keeps the files it has parsed: only the first run
		// after writing them would pay for that.
		Reload();
		const int runs = profiles >= 600 ? 7 : 11;
		std::vector<double> reload;
		std::vector<double> check;
		for (int run = 0; run < runs; ++run) {
			reload.push_back(Milliseconds(Reload));
			check.push_back(Milliseconds(Check));
		}
		PrintRow("ini checker", profiles, "reload", Summarize(check), Summarize(reload));
	}

	// The whole program for the largest files: its start, the reload, the
	// walk and the report written out; beside a process that starts and
	// reloads the same files, both cold. A program that fails fails the
	// bench: its time would be no figure.
	constexpr int profiles = 600;
	std::vector<double> whole;
	std::vector<double> floor;
	int failures = 0;
	for (int run = 0; run < 5; ++run) {
		long status = 0;
		whole.push_back(Milliseconds([&] { status = RunProgram(program, L""); }));
		// The checker: 0 without warnings, 1 with; anything else is a failure.
		failures += status != 0 && status != 1;
		floor.push_back(Milliseconds([&] { status = RunProgram(self, L"--reload-only"); }));
		failures += status != 0;
	}
	if (failures > 0) {
		std::printf("tarmacor-ini.exe or the reload process failed %d times\n", failures);
		return 1;
	}
	PrintRow("tarmacor-ini.exe to NUL", profiles, "start+reload", Summarize(whole), Summarize(floor));
	return 0;
}
