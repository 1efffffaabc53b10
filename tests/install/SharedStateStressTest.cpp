#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <latch>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <fmt/format.h>

#include "GameSession.h"
#include "Lifecycle/EventSinks.h"
#include "Settings/Profiles.h"
#include "State/RuntimeWork.h"
#include "sim/Verbs.h"

namespace
{
	// The profile fields the test follows, the game setting each becomes,
	// and the set a value belongs to: field i of set s holds s * 10 + i + 1.
	struct Field
	{
		const char* key;
		const char* setting;
		float Profile::*member;
	};
	const Field kFields[] = {
		{ "fPlayerFirstPersonCameraOffsetMinX", "fVehicleDriverHeadTranslationMinX:Vehicle", &Profile::fPlayerFirstPersonCameraOffsetMinX },
		{ "fPlayerFirstPersonCameraOffsetMaxY", "fVehicleDriverHeadTranslationMaxY:Vehicle", &Profile::fPlayerFirstPersonCameraOffsetMaxY },
		{ "fPlayerFirstPersonCameraOffsetMaxZ", "fVehicleDriverHeadTranslationMaxZ:Vehicle", &Profile::fPlayerFirstPersonCameraOffsetMaxZ },
		{ "fPlayerFirstPersonCameraOffsetMaxX", "fVehicleDriverHeadTranslationMaxX:Vehicle", &Profile::fPlayerFirstPersonCameraOffsetMaxX },
		{ "fPlayerFirstPersonCameraOffsetMinY", "fVehicleDriverHeadTranslationMinY:Vehicle", &Profile::fPlayerFirstPersonCameraOffsetMinY },
		{ "fPlayerFirstPersonCameraOffsetMinZ", "fVehicleDriverHeadTranslationMinZ:Vehicle", &Profile::fPlayerFirstPersonCameraOffsetMinZ },
		{ "fPlayerFirstPersonCameraPanoramicAngleDown", "fVehicleCameraFirstPersonMaxPitch", &Profile::fPlayerFirstPersonCameraPanoramicAngleDown },
		{ "fPlayerFirstPersonCameraPanoramicAngleLeftRight", "fVehicleCameraFirstPersonMaxAbsYaw", &Profile::fPlayerFirstPersonCameraPanoramicAngleLeftRight },
		{ "fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode", "fVehicleCameraFirstPersonAimingMaxAbsYaw", &Profile::fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode },
	};
	// The rear view writes the first two on every pass from the current
	// profile; the others come only with a whole profile.
	constexpr std::size_t kRearViewFields = 2;

	int SetOf(float a_value)
	{
		const auto value = static_cast<int>(a_value);
		return static_cast<float>(value) == a_value && value % 10 >= 1 && value % 10 <= 9 ? value / 10 : 0;
	}

	// Set 1 holds Default and REV-8, set 2 one profile more; the same values
	// in every profile of a set.
	std::string SetText(int a_set)
	{
		std::string fields;
		for (std::size_t i = 0; i < std::size(kFields); ++i) {
			fields += fmt::format("{}={}\r\n", kFields[i].key, a_set * 10 + static_cast<int>(i) + 1);
		}
		std::string text = "[Default]\r\n" + fields + "[REV-8]\r\n" + fields;
		if (a_set == 2) {
			text += "[Rover]\r\n" + fields;
		}
		return text + "[Global]\r\nbLogging=0\r\n";
	}

	// The set every followed field of a_profile comes from; 0 for a mix.
	int SetOf(const Profile& a_profile)
	{
		const int set = SetOf(a_profile.*kFields[0].member);
		for (const auto& field : kFields) {
			if (SetOf(a_profile.*field.member) != set) {
				return 0;
			}
		}
		return set;
	}

	// The set the game's settings in a_first..a_last came from; 0 for a mix.
	int SetOfSettings(sim::World& a_world, std::size_t a_first, std::size_t a_last)
	{
		const int set = SetOf(a_world.settings.find(kFields[a_first].setting)->value);
		for (std::size_t i = a_first; i < a_last; ++i) {
			if (SetOf(a_world.settings.find(kFields[i].setting)->value) != set) {
				return 0;
			}
		}
		return set;
	}

	// What a frame sees, looked at as a frame looks: holding the runtime.
	// Each look notes what it found wrong: a group of values that mixes two
	// sets, and, given the set written last, any group from another one.
	class Probe
	{
	public:
		explicit Probe(sim::World& a_world) :
			_world(a_world) {}

		void Look(int a_expected = 0)
		{
			const int set = Profiles.size() == 2 ? 1 : Profiles.size() == 3 ? 2
																			: 0;
			for (const auto& profile : Profiles) {
				if (SetOf(profile) != set || set == 0) {
					Note(fmt::format("Profiles: {} of them, [{}] from set {}", Profiles.size(), profile.sProfileName, SetOf(profile)));
				}
			}
			const int groups[] = { SetOf(CurrentProfile), SetOfSettings(_world, kRearViewFields, std::size(kFields)), SetOfSettings(_world, 0, kRearViewFields) };
			const char* names[] = { "CurrentProfile", "the game's camera settings", "the rear view's head limits" };
			for (std::size_t i = 0; i < std::size(groups); ++i) {
				if (groups[i] == 0) {
					Note(fmt::format("{} mix two sets", names[i]));
				} else if (a_expected != 0 && groups[i] != a_expected) {
					Note(fmt::format("{} from set {}, not from set {} written last", names[i], groups[i], a_expected));
				}
			}
			if (a_expected != 0 && set != a_expected) {
				Note(fmt::format("Profiles from set {}, not from set {} written last", set, a_expected));
			}
			++looks;
		}

		std::vector<std::string> Faults()
		{
			const std::lock_guard lock(_mutex);
			return _faults;
		}

		std::atomic<int> looks{ 0 };

	private:
		void Note(std::string a_fault)
		{
			const std::lock_guard lock(_mutex);
			if (_faults.size() < 10) {
				_faults.push_back(std::move(a_fault));
			}
		}

		sim::World& _world;
		std::mutex _mutex;
		std::vector<std::string> _faults;
	};

	class SharedState : public test::GameSession
	{
	protected:
		void WriteSet(int a_set) { WritePluginFile("Tarmacor.ini", SetText(a_set)); }
	};

	// Player-node frames and other nodes' frames on two threads, save/load
	// and end-credits events on a third while the vanilla INI flips between
	// two profile sets, idle lines through the game's dialogue call sites on
	// a fourth, the INI thread reading beside them: nothing deadlocks, no
	// look taken the way a frame looks ever finds a group of values mixing
	// two sets, and once a save's reload is done every group holds the set
	// written last. The player's node always gets 0 (its own state is 1),
	// frames run the runtime, and every idle line reaches the game.
	TEST_F(SharedState, FramesEventsAndIdleLinesOnFourThreads)
	{
		world.forms.add_full("SFBGS004.esm", 0x02);
		auto& vehicle = world.references.add_reference(0xFF000101, 0, &world.forms.add_form(0x02000017));
		world.references.set_display_name(vehicle, world.strings.intern("REV-8"));
		WriteSet(1);
		Install();
		world.references.player.vehicle = &vehicle;
		world.references.player.fInVehicle = 1.0f;
		world.camera.vehicleState.vehicleViewMode = 1;
		world.scene.playerRoot.visibilityState = 1;
		auto& other = world.scene.add_fade_node(3);
		auto& mira = world.references.add_actor(world.forms, "Mira", 0x0001A2B3);
		ASSERT_EQ(sim::run_frame(), 0);

		Probe probe(world);
		constexpr int kEvents = 24;
		std::latch started(3);
		std::atomic<bool> bEventsDone{ false };
		std::atomic<long> playerFrames{ 0 }, otherFrames{ 0 }, idleLines{ 0 }, playerStatesOtherThanZero{ 0 }, linesNotSpoken{ 0 };
		// Each spinner clears the calls it made now and then: the log must not
		// grow with how long the events take.
		const auto spin = [&](const auto& a_once, std::atomic<long>& a_count) {
			started.count_down();
			while (!bEventsDone.load()) {
				a_once();
				if (++a_count % 1024 == 0) {
					world.calls.clear();
				}
			}
		};
		std::thread players([&] { spin([&] { playerStatesOtherThanZero += sim::evaluate_fade_node(world.scene.playerRoot) != 0; }, playerFrames); });
		std::thread others([&] { spin([&] { sim::evaluate_fade_node(other); }, otherFrames); });
		std::thread dialogue([&] {
			sim::IdleLineArgs line;
			line.akSpeaker = &mira.ref;
			line.akTarget = &world.references.player.ref;
			spin([&] { linesNotSpoken += (sim::say_first_idle_line(line).result == 0) + (sim::say_second_idle_line(line).result == 0); }, idleLines);
		});
		const auto runtimePassesBefore = world.calls.total("IsInVehicle");
		std::thread events([&] {
			started.wait();
			for (int i = 0; i < kEvents; ++i) {
				const int set = i % 2 ? 1 : 2;
				WriteSet(set);
				if (i % 3 == 2) {
					sim::close_menu("EndGameCreditsMenu");
					RunOnRuntime([&] { probe.Look(); });
				} else {
					AdvanceMs(3001);
					sim::load_game();
					if (i % 3 == 1) {
						EXPECT_TRUE(WaitForReloads());
						RunOnRuntime([&, set] { probe.Look(set); });
					} else {
						RunOnRuntime([&] { probe.Look(); });
					}
				}
			}
			bEventsDone = true;
		});
		for (auto* thread : { &events, &players, &others, &dialogue }) {
			thread->join();
		}

		// The last files written are the ones in force, whatever raced.
		WriteSet(2);
		AdvanceMs(3001);
		sim::load_game();
		ASSERT_TRUE(WaitForReloads());
		RunOnRuntime([&] { probe.Look(2); });

		EXPECT_EQ(probe.looks.load(), kEvents + 1);
		EXPECT_EQ(probe.Faults(), std::vector<std::string>{});
		EXPECT_EQ(playerStatesOtherThanZero.load(), 0);
		EXPECT_GT(world.calls.total("IsInVehicle") - runtimePassesBefore, 0u) << "no frame ran the runtime";
		EXPECT_EQ(linesNotSpoken.load(), 0);
		std::printf("%d events beside %ld player frames (%zu ran the runtime), %ld other frames, %ld idle line pairs\n", kEvents, playerFrames.load(),
			world.calls.total("IsInVehicle") - runtimePassesBefore, otherFrames.load(), idleLines.load());
	}
}
