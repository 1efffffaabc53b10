// SimStarfield: the simulated game. Started in a game folder (the current
// directory), it writes its address library into Data\SFSE\Plugins\, loads
// Data\SFSE\Plugins\Tarmacor.dll the way the script extender does, delivers
// the host's messages, plays the scripted drive (sim/Drive.h) with its
// timeline and prints the plugin's whole log.
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

#include "SFSE/Logger.h"
#include "SFSE/Unicode.h"
#include "sim/AddressLibrary.h"
#include "sim/Drive.h"
#include "sim/Verbs.h"
#include "sim/host/Host.h"
#include "sim/platform/Clock.h"
#include "sim/platform/Keys.h"
#include "sim/platform/MessageBoxes.h"

namespace
{
	struct Arguments
	{
		std::wstring plugin{ L"Data\\SFSE\\Plugins\\Tarmacor.dll" };
		sim::HostOptions host;
		bool postDataLoad{ true };
		bool printLog{ true };
	};

	void print_usage()
	{
		std::puts(
			"SimStarfield [options]\n"
			"  --plugin <dll>            plugin to load (default Data\\SFSE\\Plugins\\Tarmacor.dll)\n"
			"  --refuse-listener         the host refuses message listeners\n"
			"  --no-messaging            the host offers no messaging interface\n"
			"  --messaging-version <n>   version of the messaging interface (default 1)\n"
			"  --no-post-data-load       don't send the post-data-load message (nor drive)\n"
			"  --no-log                  don't print the plugin's log at the end");
	}

	bool parse(int argc, wchar_t** argv, Arguments& a_out)
	{
		for (int i = 1; i < argc; ++i) {
			const std::wstring arg = argv[i];
			const bool hasValue = i + 1 < argc;
			if (arg == L"--plugin" && hasValue) {
				a_out.plugin = argv[++i];
			} else if (arg == L"--refuse-listener") {
				a_out.host.acceptListeners = false;
			} else if (arg == L"--no-messaging") {
				a_out.host.messagingVersion.reset();
			} else if (arg == L"--messaging-version" && hasValue) {
				a_out.host.messagingVersion = static_cast<std::uint32_t>(std::stoul(argv[++i]));
			} else if (arg == L"--no-post-data-load") {
				a_out.postDataLoad = false;
			} else if (arg == L"--no-log") {
				a_out.printLog = false;
			} else {
				return false;
			}
		}
		return true;
	}

	// The plugin's log file; empty when the log folder can't be named.
	std::filesystem::path log_path(const SFSE::PluginVersionData& a_record)
	{
		const auto directory = SFSE::log::log_directory();
		const auto name = SFSE::stl::utf8_to_utf16(std::string(a_record.pluginName) + ".log");
		return directory && name ? *directory / *name : std::filesystem::path{};
	}

	void print_log(const SFSE::PluginVersionData& a_record)
	{
		const auto path = log_path(a_record);
		if (path.empty()) {
			std::puts("[sim] no log folder");
			return;
		}
		std::ifstream file(path, std::ios::binary);
		std::printf("[sim] ----- %s -----\n", SFSE::stl::utf16_to_utf8(path.wstring()).value_or("?").c_str());
		std::string line;
		while (std::getline(file, line)) {
			if (!line.empty() && line.back() == '\r') {
				line.pop_back();
			}
			std::puts(line.c_str());
		}
		std::puts("[sim] ----- end of log -----");
	}
}

int wmain(int argc, wchar_t** argv)
{
	Arguments args;
	if (!parse(argc, argv, args)) {
		print_usage();
		return 64;
	}

	try {
		sim::write_address_libraries(L"Data\\SFSE\\Plugins");
		sim::Host host(args.host);
		const HMODULE plugin = host.load_plugin(args.plugin);
		sim::capture_message_boxes(plugin);
		sim::redirect_keys(plugin);
		const sim::ScopedClock clock(plugin);

		const auto* record = host.version_record();
		if (!record) {
			std::puts("[sim] the plugin exports no SFSEPlugin_Version");
			return 3;
		}
		std::printf("[sim] plugin \"%s\" by %s, version 0x%08X\n", record->pluginName, record->author, record->pluginVersion);

		const bool loaded = host.call_plugin_load();
		std::printf("[sim] SFSEPlugin_Load returned %s\n", loaded ? "true" : "false");

		if (loaded && args.postDataLoad) {
			sim::drive({ .log = log_path(*record), .loadData = [&] { return host.dispatch(SFSE::MessagingInterface::kPostDataLoad); } });
		}
		if (args.printLog) {
			print_log(*record);
		}
		return loaded ? 0 : 2;
	} catch (const std::exception& e) {
		std::printf("[sim] %s\n", e.what());
		return 3;
	}
}
