// The real Tarmacor.dll, loaded by the simulated host as the game would.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>

#include <windows.h>

#include "SFSE/Logger.h"
#include "SFSE/Unicode.h"
#include "TestLog.h"
#include "sim/GameFolder.h"
#include "sim/host/Host.h"
#include "sim/platform/MessageBoxes.h"
#include "sim/platform/PeImage.h"

namespace
{
	using testing::ElementsAre;

	std::filesystem::path documents_log()
	{
		return SFSE::log::log_directory().value() / L"Tarmacor - SFSE Plugin by Quenvar.log";
	}

	std::vector<std::string> documents_log_entries()
	{
		std::vector<std::string> entries;
		for (const auto& raw : test::read_log_lines(documents_log())) {
			test::LogLine line;
			entries.push_back(test::parse_log_line(raw, line) ? line.level + ": " + line.message : "<unparsed> " + raw);
		}
		return entries;
	}

	class PluginLoad : public testing::Test
	{
	protected:
		HMODULE load(sim::HostOptions a_options = {})
		{
			_host.emplace(a_options);
			const auto plugin = _host->load_plugin(test::executable_folder() / L"Tarmacor.dll");
			sim::capture_message_boxes(plugin);
			return plugin;
		}
		sim::Host& host() { return *_host; }

		sim::GameFolder _game;
		std::optional<sim::Host> _host;
	};

	TEST_F(PluginLoad, VersionRecordHoldsExactlyTheHostsBytes)
	{
		load();
		const auto* record = reinterpret_cast<const std::uint8_t*>(host().version_record());
		ASSERT_NE(record, nullptr);

		std::array<std::uint8_t, 604> expected{};
		const auto put32 = [&](std::size_t a_at, std::uint32_t a_value) { std::memcpy(&expected[a_at], &a_value, 4); };
		put32(0, 1);
		put32(4, 0x04040000);
		std::memcpy(&expected[8], "Tarmacor - SFSE Plugin by Quenvar", 33);
		std::memcpy(&expected[264], "Quenvar", 7);
		put32(520, 2);
		put32(524, 8);
		put32(528, 0x010E0460);
		put32(592, 0x000200D0);

		EXPECT_EQ(std::memcmp(record, expected.data(), expected.size()), 0);
		EXPECT_EQ(std::strlen(reinterpret_cast<const char*>(record + 8)), 33u);
	}

	TEST_F(PluginLoad, ExportsExactlyTheTwoEntryPointsAndNeedsOnlySystemDlls)
	{
		const sim::PeImage plugin(load());
		EXPECT_THAT(plugin.export_names(), ElementsAre("SFSEPlugin_Load", "SFSEPlugin_Version"));
		EXPECT_EQ(plugin.export_count(), 2u) << "no exports by ordinal only";
		// clang-format off
		EXPECT_THAT(plugin.imported_dlls(), testing::IsSubsetOf({ "kernel32.dll", "msvcrt.dll", "ucrtbase.dll", "user32.dll",
											   "shell32.dll", "ole32.dll", "version.dll", "advapi32.dll" }));
		// clang-format on
	}

	TEST_F(PluginLoad, LoadLogsNameAndVersionQueriesTheHostAndListensForSfse)
	{
		load();
		ASSERT_TRUE(host().call_plugin_load());

		EXPECT_THAT(documents_log_entries(), ElementsAre("info: [SFSEPlugin_Load] Tarmacor - SFSE Plugin by Quenvar v4.4"));
		EXPECT_THAT(host().queried_ids(), ElementsAre(1u, 2u, 3u, 4u));
		ASSERT_EQ(host().listeners().size(), 1u);
		EXPECT_EQ(host().listeners()[0].sender, "SFSE");
		EXPECT_EQ(host().listeners()[0].handle, host().options().pluginHandle);
	}

	TEST_F(PluginLoad, TheLogOfTheLastStartIsReplaced)
	{
		std::filesystem::create_directories(documents_log().parent_path());
		std::ofstream(documents_log(), std::ios::binary) << "[old] line of an earlier start\r\n";
		load();
		ASSERT_TRUE(host().call_plugin_load());
		EXPECT_THAT(documents_log_entries(), ElementsAre("info: [SFSEPlugin_Load] Tarmacor - SFSE Plugin by Quenvar v4.4"));
	}

	TEST_F(PluginLoad, TheLoadLineIsWrittenWhateverTheIniSays)
	{
		std::ofstream(_game.plugins() / "Tarmacor.ini", std::ios::binary) << "[Global]\r\nbLogging=0\r\n";
		load();
		ASSERT_TRUE(host().call_plugin_load());
		EXPECT_THAT(documents_log_entries(), testing::Contains("info: [SFSEPlugin_Load] Tarmacor - SFSE Plugin by Quenvar v4.4"));
	}

	TEST_F(PluginLoad, ASecondLoadCallKeepsTheLogAndTheFirstInterfaces)
	{
		load();
		ASSERT_TRUE(host().call_plugin_load());
		ASSERT_TRUE(host().call_plugin_load());
		// clang-format off
		EXPECT_THAT(documents_log_entries(), ElementsAre(
												 "info: [SFSEPlugin_Load] Tarmacor - SFSE Plugin by Quenvar v4.4",
												 "info: [SFSEPlugin_Load] Tarmacor - SFSE Plugin by Quenvar v4.4"));
		// clang-format on
		EXPECT_THAT(host().queried_ids(), ElementsAre(1u, 2u, 3u, 4u));
	}

	TEST_F(PluginLoad, ARefusedListenerStillLoadsWithOneErrorLine)
	{
		load({ .acceptListeners = false });
		EXPECT_TRUE(host().call_plugin_load());
		EXPECT_EQ(host().dispatch(SFSE::MessagingInterface::kPostDataLoad), 0u);
		// clang-format off
		EXPECT_THAT(documents_log_entries(), ElementsAre(
												 "info: [SFSEPlugin_Load] Tarmacor - SFSE Plugin by Quenvar v4.4",
												 "error: Failed to register messaging listener for SFSE"));
		// clang-format on
	}

	TEST_F(PluginLoad, NewerHostInterfacesAreUsedWithAWarning)
	{
		load({ .messagingVersion = 2, .menuVersion = 3 });
		EXPECT_TRUE(host().call_plugin_load());
		// clang-format off
		EXPECT_THAT(documents_log_entries(), ElementsAre(
												 "warning: interface definition is out of date",
												 "warning: interface definition is out of date",
												 "info: [SFSEPlugin_Load] Tarmacor - SFSE Plugin by Quenvar v4.4"));
		// clang-format on
		EXPECT_EQ(host().listeners().size(), 1u);
	}

	TEST_F(PluginLoad, WithoutMessagingTheLoadSucceedsAndSaysWhy)
	{
		load({ .messagingVersion = std::nullopt });
		EXPECT_TRUE(host().call_plugin_load());
		EXPECT_THAT(documents_log_entries(), testing::Contains(testing::HasSubstr("no messaging interface")));
	}

	TEST_F(PluginLoad, OnlyThePostDataLoadMessageReachesTheListener)
	{
		load();
		ASSERT_TRUE(host().call_plugin_load());
		for (std::uint32_t type : { 0u, 1u, 3u, 4u, 9u }) {
			host().dispatch(type);
		}
		EXPECT_EQ(documents_log_entries().size(), 1u);
		host().dispatch(SFSE::MessagingInterface::kPostDataLoad);
		EXPECT_THAT(documents_log_entries(), testing::Contains("info: [HandleOnPostDataLoad] kPostDataLoad"));
	}

	// Standard output sent to a file while it lives: the plugin's console
	// logger, the one in place without a file log, writes there.
	class CapturedStdout
	{
	public:
		CapturedStdout() :
			_path(_folder.path() / L"stdout.txt"),
			_file(::CreateFileW(_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)),
			_saved(::GetStdHandle(STD_OUTPUT_HANDLE))
		{
			::SetStdHandle(STD_OUTPUT_HANDLE, _file);
		}
		~CapturedStdout()
		{
			::SetStdHandle(STD_OUTPUT_HANDLE, _saved);
			::CloseHandle(_file);
		}
		CapturedStdout(const CapturedStdout&) = delete;
		CapturedStdout& operator=(const CapturedStdout&) = delete;

		std::vector<std::string> lines() const { return test::read_log_lines(_path); }

	private:
		test::TempFolder _folder;
		std::filesystem::path _path;
		HANDLE _file;
		HANDLE _saved;
	};

	// The log file's place taken by a folder (the prefix is shared: it goes
	// again with the test).
	struct FolderInPlaceOfTheLog
	{
		FolderInPlaceOfTheLog()
		{
			std::filesystem::remove(documents_log());  // an earlier test's log
			std::filesystem::create_directories(documents_log());
		}
		~FolderInPlaceOfTheLog() { std::filesystem::remove_all(documents_log()); }
	};

	TEST_F(PluginLoad, ALogFileThatCantBeOpenedStillLoadsWithOneErrorLine)
	{
		const FolderInPlaceOfTheLog blocked;
		const CapturedStdout output;
		load();
		ASSERT_TRUE(host().call_plugin_load());
		EXPECT_EQ(host().listeners().size(), 1u) << "runs on: listens for the host's messages";
		EXPECT_TRUE(std::filesystem::is_directory(documents_log()));

		const auto lines = output.lines();
		const auto errors = std::count_if(lines.begin(), lines.end(), [](const std::string& a_line) {
			return a_line.find("[error]") != std::string::npos;
		});
		EXPECT_EQ(errors, 1) << testing::PrintToString(lines);
		EXPECT_THAT(lines, testing::Contains(testing::EndsWith("] failed to open the log file " + SFSE::stl::utf16_to_utf8(documents_log().wstring()).value() + " | a folder of that name is in its place")));
		EXPECT_THAT(lines, testing::Contains(testing::EndsWith("[SFSEPlugin_Load] Tarmacor - SFSE Plugin by Quenvar v4.4")));
	}

	// Runs a program of the simulation in the current folder; its exit code.
	// Its standard output goes to a_output when one is given.
	DWORD run(const std::filesystem::path& a_program, std::wstring a_arguments, const std::filesystem::path& a_output = {})
	{
		std::wstring commandLine = L"\"" + a_program.wstring() + L"\" " + a_arguments;
		STARTUPINFOW startup{};
		startup.cb = sizeof(startup);
		HANDLE output = INVALID_HANDLE_VALUE;
		if (!a_output.empty()) {
			SECURITY_ATTRIBUTES inherited{ sizeof(inherited), nullptr, TRUE };
			output = ::CreateFileW(a_output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
			startup.dwFlags = STARTF_USESTDHANDLES;
			startup.hStdOutput = output;
			startup.hStdError = output;
			startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
		}
		PROCESS_INFORMATION process{};
		const BOOL started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, output != INVALID_HANDLE_VALUE, 0, nullptr, nullptr, &startup, &process);
		if (output != INVALID_HANDLE_VALUE) {
			::CloseHandle(output);
		}
		if (!started) {
			return static_cast<DWORD>(-1);
		}
		::WaitForSingleObject(process.hProcess, INFINITE);
		DWORD exitCode = 0;
		::GetExitCodeProcess(process.hProcess, &exitCode);
		::CloseHandle(process.hThread);
		::CloseHandle(process.hProcess);
		return exitCode;
	}

	// A game whose version can't be read: the plugin declines to load and
	// says why, instead of throwing into the host.
	TEST_F(PluginLoad, AGameWithoutVersionResourceIsDeclinedWithAReason)
	{
		const auto plugin = _game.plugins() / L"Tarmacor.dll";
		std::filesystem::copy_file(test::executable_folder() / L"Tarmacor.dll", plugin);
		EXPECT_EQ(run(test::executable_folder() / L"SimStarfieldUnversioned.exe", L"--no-log"), 2u);
		// clang-format off
		EXPECT_THAT(documents_log_entries(), ElementsAre(
			"error: [SFSEPlugin_Load] can't load | the game executable could not be described: bad optional access"));
		// clang-format on
	}

	// The demo's drive (what tools/demo.sh runs, with its built-in INI): the
	// simulated game loads the real DLL and drives; its timeline shows each
	// step's effect on the game beside the plugin's own lines.
	TEST_F(PluginLoad, TheDemoDriveRunsThroughTheRealDll)
	{
		std::filesystem::copy_file(test::executable_folder() / L"Tarmacor.dll", _game.plugins() / L"Tarmacor.dll");
		// The demo's own file: a profile for the REV-8 with two views.
		std::filesystem::copy_file(test::executable_folder() / L"DriveCustom.ini", _game.plugins() / L"TarmacorCustom.ini");
		const test::TempFolder folder;
		const auto output = folder.path() / L"timeline.txt";
		ASSERT_EQ(run(test::executable_folder() / L"SimStarfield.exe", L"--no-log", output), 0u);

		// Each step's title, then what it changed and logged, in order.
		const auto lines = test::read_log_lines(output);
		const auto ordered = [&](std::initializer_list<std::string> a_wanted) {
			auto at = lines.begin();
			for (const auto& wanted : a_wanted) {
				at = std::find_if(at, lines.end(), [&](const std::string& a_line) { return a_line.find(wanted) != std::string::npos; });
				if (at == lines.end()) {
					return testing::AssertionFailure() << "missing, or out of order: " << wanted;
				}
			}
			return testing::AssertionSuccess();
		};
		const std::string enabled = "40 38 B5 F0 00 00 00 -> 83 BD F0 00 00 00 08";
		const std::string disabled = "83 BD F0 00 00 00 08 -> 40 38 B5 F0 00 00 00";
		// The first profile dump in full, each later one folded into one
		// line: 45 lines, BEGIN and END, for each of the two profiles its
		// heading and 18 keys, the REV-8's view hotkey, and each view's
		// heading and the one key it sets.
		const std::string folded = "log  | [DumpAllProfiles] the profiles dumped again: 45 lines, folded";
		// clang-format off
		EXPECT_TRUE(ordered({
			"data loaded", "setting fVehicleDriverHeadTranslationMaxY:Vehicle: 0.3 -> -2", "Exit Anywhere bytes: " + enabled,
				"log  | info: [DumpProfileInfo] [REV-8] bCompanionChatterAllowInThirdPerson -> 1",
				"log  | info: [HandleOnPostDataLoad] Installation complete",
			"enters the REV-8", "setting fVehicleDriverHeadTranslationMaxY:Vehicle: -2 -> -1.5", "Exit Anywhere bytes: " + disabled,
				"NewProfileName [REV-8]",
			"rear view held", "setting fVehicleCameraFirstPersonMaxAbsYaw: 90 -> -180", "Rear View is active",
			"rear view released", "setting fVehicleDriverHeadTranslationMaxY:Vehicle: 0 -> -1.5", "Rear View deactivated",
			"slow time held", "time multiplier: 1 -> 0.2", "applying time mult",
			"slow time released", "time multiplier: 0.2 -> 1", "removing time mult",
			"view key", "setting fVehicleDriverHeadTranslationMaxY:Vehicle: -1.5 -> -3", "[CycleView] REV-8: view [far] (2 of 3)",
			"pressed again", "setting fVehicleCameraFirstPersonMaxAbsYaw: 90 -> 150", "setting fVehicleDriverHeadTranslationMaxY:Vehicle: -3 -> -1.5",
				"[CycleView] REV-8: view [wide] (3 of 3)",
			"third time", "setting fVehicleCameraFirstPersonMaxAbsYaw: 150 -> 90", "[CycleView] REV-8: the profile itself (1 of 3)",
			"edited while driving", "setting fVehicleCameraFirstPersonMaxAbsYaw: 90 -> 100",
				"TarmacorCustom.ini changed; reloading all profiles and settings", "current profile [REV-8] could be found in Profiles; reapplying profile",
				folded,
			"chatter hotkey", "dialogue started with the player (1)", "initiating dialogue | PassengerCompanion",
			"idle line", "idle line blocked", "blocking IdleChatter | IsTalking",
			"a save", "reloading all profiles and settings...", "[HandleSaveLoadEvent] current profile [REV-8] could be found", folded,
			"a load", "could not reload profiles and settings | elapsed [2500]",
			"leaves the vehicle", "node gets state 1", "can't apply patch | VehicleCamState",
			"end credits", "Exit Anywhere bytes: " + enabled, "EndGameCreditsMenu closed, reinstalling", folded,
		})) << testing::PrintToString(lines);
		// clang-format on
		const auto count = [&](const std::string& a_text) {
			return std::count_if(lines.begin(), lines.end(), [&](const std::string& a_line) { return a_line.find(a_text) != std::string::npos; });
		};
		EXPECT_EQ(count("[DumpAllProfiles]  ----------------- BEGIN"), 1);
		EXPECT_EQ(count("[DumpProfileInfo]"), 39);
		EXPECT_EQ(count(folded), 3);
		EXPECT_THAT(lines, testing::Not(testing::Contains(testing::HasSubstr("log  | error:"))));
		EXPECT_THAT(documents_log_entries(), testing::Contains("info: [HandleOnPostDataLoad] Installation complete"));
	}

	// Checked before the log is opened: the box is all the player sees.
	TEST_F(PluginLoad, ANullLoadInterfaceIsFatal)
	{
		EXPECT_EXIT(
			{
				load();
				host().call_plugin_load(nullptr);
			},
			testing::ExitedWithCode(1),
			testing::HasSubstr("message box [Tarmacor.dll]: SFSE/API.cpp("));
	}
}
