// SimStarfield: the simulated game. Started in a game folder (the current
// directory), it writes its address library into Data\SFSE\Plugins\, loads
// Data\SFSE\Plugins\Tarmacor.dll the way the script extender does, delivers
// the host's messages, plays a little of the game (frames, a save, a load,
// the end credits' menu) and prints the plugin's log.
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

#include "SFSE/Logger.h"
#include "SFSE/Unicode.h"
#include "sim/AddressLibrary.h"
#include "sim/Verbs.h"
#include "sim/host/Host.h"
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
		unsigned frames{ 3 };
	};

	void print_usage()
	{
		std::puts(
			"SimStarfield [options]\n"
			"  --plugin <dll>            plugin to load (default Data\\SFSE\\Plugins\\Tarmacor.dll)\n"
			"  --refuse-listener         the host refuses message listeners\n"
			"  --no-messaging            the host offers no messaging interface\n"
			"  --messaging-version <n>   version of the messaging interface (default 1)\n"
			"  --no-post-data-load       don't send the post-data-load message (nor play)\n"
			"  --frames <n>              frames to run after loading (default 3)\n"
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
			} else if (arg == L"--frames" && hasValue) {
				a_out.frames = static_cast<unsigned>(std::stoul(argv[++i]));
			} else if (arg == L"--no-log") {
				a_out.printLog = false;
			} else {
				return false;
			}
		}
		return true;
	}

	// A few frames in a vehicle's first-person view, a save and a load, and
	// the end credits shown and closed.
	void play(unsigned a_frames)
	{
		auto& world = sim::world();
		world.camera.vehicleState.vehicleViewMode = 1;
		world.references.player.fInVehicle = 1.0f;
		world.scene.playerRoot.visibilityState = 1;
		world.scene.add_fade_node(1);
		for (unsigned i = 0; i < a_frames; ++i) {
			std::printf("[sim] frame %u: the player's node gets state %u\n", i + 1, sim::run_frame());
		}
		std::printf("[sim] save: %zu sink(s)\n", sim::save_game());
		std::printf("[sim] load: %zu sink(s)\n", sim::load_game());
		std::printf("[sim] EndGameCreditsMenu opens: %zu sink(s)\n", sim::open_menu("EndGameCreditsMenu"));
		std::printf("[sim] EndGameCreditsMenu closes: %zu sink(s)\n", sim::close_menu("EndGameCreditsMenu"));
	}

	void print_log(const SFSE::PluginVersionData& a_record)
	{
		const auto directory = SFSE::log::log_directory();
		const auto name = SFSE::stl::utf8_to_utf16(std::string(a_record.pluginName) + ".log");
		if (!directory || !name) {
			std::puts("[sim] no log folder");
			return;
		}
		const auto path = *directory / *name;
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

		const auto* record = host.version_record();
		if (!record) {
			std::puts("[sim] the plugin exports no SFSEPlugin_Version");
			return 3;
		}
		std::printf("[sim] plugin \"%s\" by %s, version 0x%08X\n", record->pluginName, record->author, record->pluginVersion);

		const bool loaded = host.call_plugin_load();
		std::printf("[sim] SFSEPlugin_Load returned %s\n", loaded ? "true" : "false");

		if (loaded && args.postDataLoad) {
			const auto delivered = host.dispatch(SFSE::MessagingInterface::kPostDataLoad);
			std::printf("[sim] post-data-load message delivered to %zu listener(s)\n", delivered);
			play(args.frames);
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
