// visibility_hook_bench: what the per-frame hook costs, in the simulated
// game with the plugin installed and logging off. A node that is not the
// player's is measured beside the floor of the game calls the hook must
// make for it (the camera read, the two menu questions with their game
// strings, the slot stores); a pass of the player's node in a vehicle, with
// no key held, is measured alone. Then a second of frames with logging on
// (300 fade nodes, 60 frames): the time and the bytes it adds to the log,
// and how long the log takes to reach its size limit at that rate. Prints
// figures, asserts nothing.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include <windows.h>

#include "Lifecycle/PostDataLoad.h"
#include "Lifecycle/StringValues.h"
#include "RE/GameString.h"
#include "RE/PlayerCamera.h"
#include "RE/UI.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "SFSE/Logger.h"
#include "Settings/GlobalSettings.h"
#include "Settings/Logging.h"
#include "sim/GameFolder.h"
#include "sim/host/Host.h"
#include "sim/platform/Keys.h"
#include "sim/world/World.h"

namespace
{
	using Clock = std::chrono::steady_clock;
	constexpr int kRuns = 15;
	constexpr int kPasses = 20'000;

	volatile std::uint64_t sink = 0;

	// Median nanoseconds per pass over kRuns runs of kPasses passes.
	template <class F>
	double NanosecondsPerPass(F&& a_pass)
	{
		std::vector<double> runs;
		for (int run = 0; run < kRuns; ++run) {
			sim::world().calls.clear();
			const auto start = Clock::now();
			for (int i = 0; i < kPasses; ++i) {
				a_pass();
			}
			runs.push_back(std::chrono::duration<double, std::nano>(Clock::now() - start).count() / kPasses);
		}
		std::sort(runs.begin(), runs.end());
		return runs[runs.size() / 2];
	}

	// The game calls the hook can't do without for a node not the player's.
	std::uint8_t Floor()
	{
		const auto* camera = RE::PlayerCamera::GetSingleton();
		const auto mode = RE::PlayerCamera::GetVehicleViewMode(camera->GetCurrentState());
		CopyFirstStringValueInto(StringValueGroup::kA);
		CopyFirstStringValueInto(StringValueGroup::kB);
		const auto* ui = RE::UI::GetSingleton();
		const RE::GameString bink("PlayBinkMenu");
		const RE::GameString credits("EndGameCreditsMenu");
		return static_cast<std::uint8_t>(mode + ui->IsMenuOpen(bink) + ui->IsMenuOpen(credits));
	}
}

int main()
{
	// Keys from the simulated keyboard: Wine's own GetKeyState asks its
	// server, which would measure Wine rather than the hook.
	sim::redirect_keys(::GetModuleHandleW(nullptr));
	sim::GameFolder game;
	auto& world = sim::world();
	world.reset();
	{
		std::ofstream ini(game.plugins() / "Tarmacor.ini", std::ios::binary);
		ini << "[Default]\r\n[Global]\r\nbLogging=0\r\n";
	}
	sim::send_message(HandleOnPostDataLoad, SFSE::MessagingInterface::kPostDataLoad);
	world.references.player.fInVehicle = 1.0f;
	world.camera.vehicleState.vehicleViewMode = 1;
	auto& other = world.scene.add_fade_node(1);
	auto* otherNode = reinterpret_cast<RE::BSFadeNode*>(&other);
	auto* playerNode = reinterpret_cast<RE::BSFadeNode*>(&world.scene.playerRoot);

	const auto hook = NanosecondsPerPass([&] { sink = sink + Update3DVFuncStruct::GetDesiredVisibilityState(otherNode, 1); });
	const auto floor = NanosecondsPerPass([&] { sink = sink + Floor(); });
	const auto player = NanosecondsPerPass([&] { sink = sink + Update3DVFuncStruct::GetDesiredVisibilityState(playerNode, 1); });

	std::printf("%-44s %10.1f ns   floor %10.1f ns   ratio %.2f\n", "hook, node not the player's, logging off", hook, floor, hook / floor);
	std::printf("%-44s %10.1f ns\n", "hook, player's node in a vehicle, no key", player);

	// A second of frames with logging on, into a log of its own.
	constexpr int kNodes = 300;
	constexpr int kFrames = 60;
	std::vector<RE::BSFadeNode*> nodes;
	for (int i = 0; i < kNodes; ++i) {
		nodes.push_back(reinterpret_cast<RE::BSFadeNode*>(&world.scene.add_fade_node(1)));
	}
	const auto logFolder = sim::fresh_folder(std::filesystem::temp_directory_path(), L"bench-log");
	SFSE::log::detail::set_up_logger_in(logFolder);
	bLogging = true;
	const auto start = Clock::now();
	for (int frame = 0; frame < kFrames; ++frame) {
		for (auto* node : nodes) {
			sink = sink + Update3DVFuncStruct::GetDesiredVisibilityState(node, 1);
		}
	}
	const auto seconds = std::chrono::duration<double>(Clock::now() - start).count();
	bLogging = false;
	spdlog::set_default_logger(std::make_shared<spdlog::logger>("bench-null"));
	const auto bytes = static_cast<double>(std::filesystem::file_size(logFolder / SFSE::log::log_file_name().value()));
	std::filesystem::remove_all(logFolder);
	std::printf("%-44s %10.1f ms   %10.2f MiB   limit reached after %.1f s of play\n",
		"logging on, 300 nodes x 60 frames", seconds * 1000.0, bytes / (1024.0 * 1024.0),
		static_cast<double>(SFSE::log::log_size_limit) / bytes);
	return 0;
}
