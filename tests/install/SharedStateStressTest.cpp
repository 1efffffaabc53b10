#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "GameSession.h"
#include "Lifecycle/SaveLoadEvent.h"
#include "Settings/Profiles.h"
#include "sim/Verbs.h"

namespace
{
	using SharedState = test::GameSession;

	// The game's threads evaluate fade nodes while save/load events reload
	// the INI files on another thread, the files alternately holding two
	// profiles and none: no pass may crash or see a profile half-built.
	TEST_F(SharedState, FramesAndReloadsOnTwoThreads)
	{
		const auto withProfiles = test::Ini({ "[Default]", "[REV-8]", "[Global]", "bLogging=0" });
		const auto withoutProfiles = test::Ini({ "[Global]", "bLogging=0" });
		WritePluginFile("Tarmacor.ini", withProfiles);
		Install();
		world.references.player.fInVehicle = 1.0f;
		world.camera.vehicleState.vehicleViewMode = 1;
		for (int i = 0; i < 3; ++i) {
			world.scene.add_fade_node(static_cast<std::uint8_t>(i + 1));
		}

		constexpr int kFrames = 100'000;  // four nodes each
		std::atomic<bool> bDone{ false };
		std::atomic<int> reloads{ 0 };
		std::thread events([&] {
			for (int i = 0; !bDone.load(); ++i) {
				WritePluginFile("Tarmacor.ini", i % 2 ? withoutProfiles : withProfiles);
				AdvanceMs(3001);
				HandleSaveLoadEvent();
				reloads.fetch_add(1);
			}
		});
		int zeroes = 0;
		for (int frame = 0; frame < kFrames; ++frame) {
			zeroes += sim::run_frame() == 0;
			if (frame % 1000 == 0) {
				world.calls.clear();
			}
		}
		bDone = true;
		events.join();

		EXPECT_EQ(zeroes, kFrames);
		EXPECT_GT(reloads.load(), 0);
		for (const auto& node : world.scene.fadeNodes) {
			EXPECT_EQ(node.lastResult, node.visibilityState);
		}
		std::printf("%d frames of 4 nodes beside %d reloads\n", kFrames, reloads.load());
	}
}
