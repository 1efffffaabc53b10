#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GameSession.h"
#include "Runtime/CycleView.h"
#include "Settings/Profiles.h"
#include "sim/Verbs.h"

namespace
{
	using testing::Contains;
	using testing::ElementsAre;
	using testing::IsEmpty;

	constexpr int kCycleKey = 0x56;  // V
	constexpr int kRearViewKey = 0x51;
	constexpr const char* kYaw = "fVehicleCameraFirstPersonMaxAbsYaw";
	constexpr const char* kMaxY = "fVehicleDriverHeadTranslationMaxY:Vehicle";

	const std::string kVanilla = test::Ini({ "[Default]", "[REV-8 #near]", "fPlayerFirstPersonCameraOffsetMaxY=-1.0", "[Global]", "bLogging=1" });
	const std::string kCustom = test::Ini({ "[REV-8]", "iCycleViewHotkey=0x56", "fPlayerFirstPersonCameraPanoramicAngleLeftRight=120",
		"fPlayerFirstPersonCameraOffsetMaxY=-1.5", "[REV-8 #far]", "fPlayerFirstPersonCameraOffsetMaxY=-3.0", "[REV-8 #wide]",
		"fPlayerFirstPersonCameraPanoramicAngleLeftRight=160", "bSmartAim=0" });

	// The player drives the REV-8 in its first-person view. Its profile, in
	// TarmacorCustom.ini, has the view key V and three views in load order:
	// near (from Tarmacor.ini), far and wide; each sets one camera key.
	class Views : public test::GameSession
	{
	protected:
		Views()
		{
			world.forms.add_full("SFBGS004.esm", 0x02);
			rev8 = &world.references.add_reference(0xFF000101, 0, &world.forms.add_form(0x02000017));
			world.references.set_display_name(*rev8, world.strings.intern("REV-8"));
			mako = &world.references.add_reference(0xFF000102, 0, rev8->baseObject);
			world.references.set_display_name(*mako, world.strings.intern("Mako"));
			WritePluginFile("Tarmacor.ini", kVanilla);
			WritePluginFile("TarmacorCustom.ini", kCustom);
			Install();
			world.references.player.vehicle = rev8;
			world.references.player.fInVehicle = 1.0f;
			world.camera.vehicleState.vehicleViewMode = 1;
			sim::run_frame();
			first = EntryCount();
		}

		float Setting(const char* a_name) { return world.settings.find(a_name)->value; }

		// The key goes down for one frame and up for the next.
		void Press(int a_key = kCycleKey)
		{
			world.input.bKeyDown[a_key] = true;
			sim::run_frame();
			world.input.bKeyDown[a_key] = false;
			sim::run_frame();
		}

		std::vector<std::string> Lines(std::string_view a_function) const
		{
			std::vector<std::string> lines;
			const std::string prefix = "info: [" + std::string(a_function) + "] ";
			for (const auto& entry : EntriesFrom(first)) {
				if (entry.starts_with(prefix)) {
					lines.push_back(entry.substr(prefix.size()));
				}
			}
			return lines;
		}

		sim::game::TESObjectREFR* rev8{ nullptr };
		sim::game::TESObjectREFR* mako{ nullptr };
		std::size_t first{ 0 };
	};

	TEST_F(Views, PressesStepThroughTheViewsInLoadOrderAndBackToTheProfile)
	{
		struct Step
		{
			const char* line;
			float yaw, maxY;
		};
		const Step steps[] = {
			{ "REV-8: view [near] (2 of 4)", 120.0f, -1.0f },
			{ "REV-8: view [far] (3 of 4)", 120.0f, -3.0f },
			{ "REV-8: view [wide] (4 of 4)", 160.0f, -1.5f },
			{ "REV-8: the profile itself (1 of 4)", 120.0f, -1.5f },
		};
		EXPECT_EQ(Setting(kYaw), 120.0f);
		for (const auto& step : steps) {
			SCOPED_TRACE(step.line);
			Press();
			EXPECT_EQ(Lines("CycleView").back(), step.line);
			EXPECT_EQ(Setting(kYaw), step.yaw);
			EXPECT_EQ(Setting(kMaxY), step.maxY);
			// Everything else is the profile's, whatever the view says.
			EXPECT_TRUE(CurrentProfile.bSmartAim);
			EXPECT_EQ(Setting("fVehicleAimModeTimeScale"), 1.0f);
		}
		EXPECT_EQ(Lines("CycleView").size(), 4u);
		EXPECT_THAT(log.entries(), Contains("info: [ReloadAllProfilesAndSettings] adding View [near] of Profile [REV-8] from VanillaINI to Views | Views.size == 0"));
	}

	TEST_F(Views, AKeyHeldForFramesIsOnePress)
	{
		world.input.bKeyDown[kCycleKey] = true;
		for (int i = 0; i < 5; ++i) {
			sim::run_frame();
		}
		EXPECT_THAT(Lines("CycleView"), ElementsAre("REV-8: view [near] (2 of 4)"));
	}

	// As the rear view's: driving, in the first-person view, no menu pausing
	// the game. A press behind a gate is no press later either.
	TEST_F(Views, APressBehindAGateStepsNothing)
	{
		struct Gate
		{
			const char* name;
			void (*close)(sim::World&, bool a_bClosed);
		};
		const Gate gates[] = {
			{ "third-person view", [](sim::World& w, bool a_bClosed) { w.camera.vehicleState.vehicleViewMode = a_bClosed ? 2 : 1; } },
			{ "a menu pauses the game", [](sim::World& w, bool a_bClosed) { w.menus.bGameMenuPaused = a_bClosed; } },
			{ "out of the vehicle", [](sim::World& w, bool a_bClosed) { w.references.player.fInVehicle = a_bClosed ? 0.0f : 1.0f; } },
		};
		for (const auto& gate : gates) {
			SCOPED_TRACE(gate.name);
			gate.close(world, true);
			world.input.bKeyDown[kCycleKey] = true;
			sim::run_frame();
			gate.close(world, false);
			sim::run_frame();
			world.input.bKeyDown[kCycleKey] = false;
			sim::run_frame();
			EXPECT_THAT(Lines("CycleView"), IsEmpty());
			EXPECT_EQ(Setting(kMaxY), -1.5f);
		}
	}

	TEST_F(Views, AReloadKeepsTheViewWhileItIsThereAndAVehicleChangeStartsFromTheProfile)
	{
		Press();  // near
		AdvanceMs(3001);
		sim::save_game();
		ASSERT_TRUE(WaitForReloads());
		EXPECT_EQ(Lines("CycleView").back(), "REV-8: view [near] (2 of 4), kept");
		EXPECT_EQ(Setting(kMaxY), -1.0f);

		// near goes from the file: the profile itself, and the next view is far.
		WritePluginFile("Tarmacor.ini", test::Ini({ "[Default]", "[Global]", "bLogging=1" }));
		AdvanceMs(3001);
		sim::save_game();
		ASSERT_TRUE(WaitForReloads());
		EXPECT_THAT(Lines("CycleView"), testing::IsSupersetOf({ "REV-8: view [near] is gone", "REV-8: the profile itself (1 of 3)" }));
		EXPECT_EQ(Setting(kMaxY), -1.5f);
		Press();
		EXPECT_EQ(Lines("CycleView").back(), "REV-8: view [far] (2 of 3)");

		// To the Mako (the Default profile) and back: the REV-8's own camera.
		world.references.player.vehicle = mako;
		sim::run_frame();
		world.references.player.vehicle = rev8;
		sim::run_frame();
		EXPECT_EQ(ActiveViewLabel, "");
		EXPECT_EQ(Setting(kMaxY), -1.5f);
	}

	// Views given the same label (far in both files) or none at all are
	// stepped through as the files list them, and back to the profile.
	TEST_F(Views, LabelsGivenTwiceOrNoneAreSteppedInLoadOrder)
	{
		WritePluginFile("Tarmacor.ini", test::Ini({ "[Default]", "[REV-8 #far]", "fPlayerFirstPersonCameraOffsetMaxY=-1.0", "[Global]", "bLogging=1" }));
		WritePluginFile("TarmacorCustom.ini", test::Ini({ "[REV-8]", "iCycleViewHotkey=0x56", "fPlayerFirstPersonCameraOffsetMaxY=-1.5", "[REV-8 #]", "fPlayerFirstPersonCameraOffsetMaxY=-2.5", "[REV-8 #far]", "fPlayerFirstPersonCameraOffsetMaxY=-3.0" }));
		AdvanceMs(3001);
		sim::save_game();
		ASSERT_TRUE(WaitForReloads());
		for (const float maxY : { -1.0f, -2.5f, -3.0f, -1.5f, -1.0f }) {
			Press();
			EXPECT_EQ(Setting(kMaxY), maxY);
		}
	}

	TEST_F(Views, TheRearViewGivesBackTheViewsYaw)
	{
		Press();
		Press();
		Press();  // wide: a yaw limit of 160
		world.input.bKeyDown[kRearViewKey] = true;
		sim::run_frame();
		EXPECT_EQ(Setting(kYaw), -180.0f);
		world.input.bKeyDown[kRearViewKey] = false;
		sim::run_frame();
		sim::run_frame();
		EXPECT_EQ(Setting(kYaw), 160.0f);
	}
}
