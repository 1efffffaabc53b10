// visibility_hook_bench: what the per-frame hook costs the game, in the
// simulated game with the plugin installed. Prints figures, asserts nothing.
//
// 1. A node that isn't the player's, logging off, called as the game calls
//    it (through slot 61 of the fade node's table), beside the floor: a
//    thunk in that slot that only calls the game's own function. Timed in
//    batches; per call, the median, 99th percentile and longest batch.
// 2. The player's node in a vehicle, logging off, frame by frame, while
//    another thread closes the end credits again and again: each close asks
//    the INI thread to reload both INI files (profiles as given), which the
//    frames then put in force, capturing the game data anew. The player's
//    frames beside one reload, from the close to the reload done.
// 3. A save/load event as the game sends it, logging on: how long the game's
//    thread is kept, beside the reload it starts on the INI thread.
// 4. A second of frames with logging on (300 fade nodes, 60 frames): the
//    time and the bytes it adds to the log, and how soon the log reaches its
//    size limit at that rate.
//
// Run under Wine from any folder: visibility_hook_bench [profiles] (600 by
// default).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <windows.h>

#include "Lifecycle/PostDataLoad.h"
#include "Lifecycle/VisibilityHook.h"
#include "RE/BSFadeNode.h"
#include "SFSE/Logger.h"
#include "Settings/Logging.h"
#include "State/GameData.h"
#include "State/ReloadRequests.h"
#include "State/RuntimeWork.h"
#include "sim/GameFolder.h"
#include "sim/Verbs.h"
#include "sim/host/Host.h"
#include "sim/platform/Keys.h"
#include "sim/world/World.h"

namespace
{
	using Clock = std::chrono::steady_clock;
	using UpdateVisibility = std::uint64_t (*)(RE::BSFadeNode*, std::uint8_t);

	constexpr int kBatches = 4'000;
	constexpr int kCallsPerBatch = 256;

	volatile std::uint64_t sink = 0;

	double NanosecondsSince(Clock::time_point a_start)
	{
		return std::chrono::duration<double, std::nano>(Clock::now() - a_start).count();
	}

	struct Spread
	{
		double median;
		double p99;
		double longest;
	};

	Spread SpreadOf(std::vector<double> a_samples)
	{
		std::sort(a_samples.begin(), a_samples.end());
		const auto at = [&](double a_share) { return a_samples[static_cast<std::size_t>(a_share * static_cast<double>(a_samples.size() - 1))]; };
		return { at(0.5), at(0.99), a_samples.back() };
	}

	// The game's own call: through the slot as the table holds it now.
	UpdateVisibility* VisibilitySlot(const sim::game::NiNode& a_node)
	{
		return reinterpret_cast<UpdateVisibility*>(const_cast<void**>(a_node.vtable)) + RE::BSFadeNode::kVisibilitySlot;
	}

	void WriteSlot(UpdateVisibility* a_slot, UpdateVisibility a_function)
	{
		DWORD old = 0;
		::VirtualProtect(a_slot, sizeof(*a_slot), PAGE_EXECUTE_READWRITE, &old);
		*a_slot = a_function;
		::VirtualProtect(a_slot, sizeof(*a_slot), old, &old);
	}

	// The floor: all a hook in the slot must do.
	std::uint64_t BareThunk(RE::BSFadeNode* a_node, std::uint8_t a_state)
	{
		return OriginalVisibilityFunction(a_node, a_state);
	}

	// Per-call nanoseconds of one batch through the slot.
	double TimeBatch(UpdateVisibility* a_slot, sim::game::NiNode& a_node)
	{
		auto* node = reinterpret_cast<RE::BSFadeNode*>(&a_node);
		const auto start = Clock::now();
		for (int i = 0; i < kCallsPerBatch; ++i) {
			const UpdateVisibility volatile update = *a_slot;
			sink = sink + update(node, 1);
		}
		return NanosecondsSince(start) / kCallsPerBatch;
	}

	void MeasureOtherNode(sim::game::NiNode& a_node)
	{
		auto* slot = VisibilitySlot(a_node);
		const auto hook = *slot;
		std::vector<double> hooked, floor;
		// Alternating, so that both see the same machine.
		for (int batch = 0; batch < kBatches; ++batch) {
			sim::world().calls.clear();
			hooked.push_back(TimeBatch(slot, a_node));
			WriteSlot(slot, &BareThunk);
			sim::world().calls.clear();
			floor.push_back(TimeBatch(slot, a_node));
			WriteSlot(slot, hook);
		}
		const auto h = SpreadOf(hooked);
		const auto f = SpreadOf(floor);
		// The simulated game function records each call under a lock: both
		// figures carry that, so the difference says what the hook adds.
		std::printf("%-46s median %7.1f ns  p99 %7.1f ns  longest %8.1f ns   floor median %7.1f ns  p99 %7.1f ns   hook - floor %5.1f ns   ratio %.2f\n",
			"hook, node not the player's, logging off", h.median, h.p99, h.longest, f.median, f.p99, h.median - f.median, h.median / f.median);
	}

	void WriteProfiles(const std::filesystem::path& a_plugins, int a_profiles)
	{
		std::ofstream vanilla(a_plugins / "Tarmacor.ini", std::ios::binary | std::ios::trunc);
		vanilla << "[Default]\r\n[REV-8]\r\nfPlayerFirstPersonCameraPanoramicAngleLeftRight=120\r\n[Global]\r\nbLogging=0\r\n";
		std::ofstream custom(a_plugins / "TarmacorCustom.ini", std::ios::binary | std::ios::trunc);
		for (int i = 0; i < a_profiles; ++i) {
			custom << "[Vehicle " << i << "]\r\nbSmartAim=0\r\niRearViewHotkey=0x52\r\nfPlayerFirstPersonCameraOffsetMaxZ=0.5\r\n";
		}
	}

	// Frame by frame until a_done says so; how many got state 0.
	template <class Done>
	std::size_t TimePlayerFrames(std::vector<double>& a_frames, Done&& a_done)
	{
		auto& world = sim::world();
		auto& player = world.scene.playerRoot;
		auto* slot = VisibilitySlot(player);
		auto* node = reinterpret_cast<RE::BSFadeNode*>(&player);
		std::size_t zeroes = 0;
		while (!a_done()) {
			const auto start = Clock::now();
			const UpdateVisibility volatile update = *slot;
			const auto state = update(node, 1);
			a_frames.push_back(NanosecondsSince(start));
			zeroes += state == 0;
			if (a_frames.size() % 1024 == 0) {
				world.calls.clear();
			}
		}
		return zeroes;
	}

	void PrintPlayerFrames(const char* a_title, const std::vector<double>& a_frames, std::size_t a_zeroes)
	{
		const auto f = SpreadOf(a_frames);
		std::printf("%-46s median %7.1f us  p99 %7.1f us  longest %8.1f us   %zu frames, %zu of them patched\n", a_title, f.median / 1000.0,
			f.p99 / 1000.0, f.longest / 1000.0, a_frames.size(), a_zeroes);
	}

	bool AreReloadsDone() noexcept
	{
		return GetFinishedReloadRequestCount() >= GetReloadRequestCount() && !HasQueuedRuntimeWork();
	}

	void MeasurePlayerNodeBesideReloads(int a_profiles)
	{
		// Then the same number of frames with nothing beside them: what the
		// machine itself adds to the tail.
		std::vector<double> quiet;
		std::atomic<bool> bDone{ false };
		std::vector<double> reloads;
		std::thread credits([&] {
			// Four reloads, one after the other, and frames for as long as
			// they take: the frames put each in force.
			while (reloads.size() < 4) {
				sim::open_menu("EndGameCreditsMenu");
				const auto start = Clock::now();
				sim::close_menu("EndGameCreditsMenu");
				while (!AreReloadsDone()) {
					::Sleep(0);
				}
				reloads.push_back(NanosecondsSince(start));
			}
			bDone = true;
		});
		std::vector<double> frames;
		const auto zeroes = TimePlayerFrames(frames, [&] { return bDone.load(); });
		credits.join();
		const auto quietZeroes = TimePlayerFrames(quiet, [&] { return quiet.size() >= frames.size(); });

		PrintPlayerFrames("player's node in a vehicle, nothing beside", quiet, quietZeroes);
		PrintPlayerFrames("player's node in a vehicle, reloads beside", frames, zeroes);
		const auto r = SpreadOf(reloads);
		std::printf("%-46s median %7.1f ms  longest %7.1f ms   (%d profiles, %zu reloads)\n",
			"one reload: credits closed on another thread", r.median / 1e6, r.longest / 1e6, a_profiles + 2, reloads.size());
	}

	// The game's thread is back from the sink at once; the reload it asked
	// for is done on the INI thread while frames go on.
	void MeasureSaveLoadEvent(sim::World& a_world, int a_profiles)
	{
		constexpr int kEvents = 20;
		bLogging = true;
		std::vector<double> events, reloads;
		for (int i = 0; i < kEvents; ++i) {
			// As if 4 s had passed since the last event: the bench's clock is
			// the machine's, which the game's can't be moved apart from.
			std::atomic_ref(LastSaveLoadTime).fetch_sub(4'000'000'000);
			const auto start = Clock::now();
			sim::save_game();
			events.push_back(NanosecondsSince(start));
			while (!AreReloadsDone()) {
				sim::run_frame();
				a_world.calls.clear();
			}
			reloads.push_back(NanosecondsSince(start));
		}
		bLogging = false;
		const auto e = SpreadOf(events);
		const auto r = SpreadOf(reloads);
		std::printf("%-46s median %7.3f ms  longest %7.3f ms   the reload it starts: median %7.1f ms  longest %7.1f ms   (%d profiles, %d events)\n",
			"save/load event, logging on: the game's thread", e.median / 1e6, e.longest / 1e6, r.median / 1e6, r.longest / 1e6, a_profiles + 2, kEvents);
	}

	void MeasureLoggingOn(sim::World& a_world)
	{
		constexpr int kNodes = 300;
		constexpr int kFrames = 60;
		std::vector<sim::game::NiNode*> nodes;
		for (int i = 0; i < kNodes; ++i) {
			nodes.push_back(&a_world.scene.add_fade_node(1));
		}
		auto* slot = VisibilitySlot(*nodes.front());
		const auto logFolder = sim::fresh_folder(std::filesystem::temp_directory_path(), L"bench-log");
		SFSE::log::detail::set_up_logger_in(logFolder);
		bLogging = true;
		const auto start = Clock::now();
		for (int frame = 0; frame < kFrames; ++frame) {
			for (auto* node : nodes) {
				const UpdateVisibility volatile update = *slot;
				sink = sink + update(reinterpret_cast<RE::BSFadeNode*>(node), 1);
			}
			a_world.calls.clear();
		}
		const auto seconds = NanosecondsSince(start) / 1e9;
		bLogging = false;
		spdlog::set_default_logger(std::make_shared<spdlog::logger>("bench-null"));
		const auto bytes = static_cast<double>(std::filesystem::file_size(logFolder / SFSE::log::log_file_name().value()));
		std::filesystem::remove_all(logFolder);
		std::printf("%-46s %10.1f ms   %10.2f MiB   limit reached after %.1f s of play\n",
			"logging on, 300 nodes x 60 frames", seconds * 1000.0, bytes / (1024.0 * 1024.0),
			static_cast<double>(SFSE::log::log_size_limit) / bytes);
	}
}

int main(int argc, char** argv)
{
	const int profiles = argc > 1 ? std::max(0, std::atoi(argv[1])) : 600;
	// Keys from the simulated keyboard: Wine's own GetKeyState asks its
	// server, which would measure Wine rather than the hook.
	sim::redirect_keys(::GetModuleHandleW(nullptr));
	sim::GameFolder game;
	auto& world = sim::world();
	world.reset();
	WriteProfiles(game.plugins(), profiles);
	sim::send_message(HandleOnPostDataLoad, SFSE::MessagingInterface::kPostDataLoad);
	world.references.player.fInVehicle = 1.0f;
	world.camera.vehicleState.vehicleViewMode = 1;

	MeasureOtherNode(world.scene.add_fade_node(1));
	MeasurePlayerNodeBesideReloads(profiles);
	MeasureSaveLoadEvent(world, profiles);
	MeasureLoggingOn(world);
	return 0;
}
