#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "Lifecycle/IniFileStamps.h"
#include "Lifecycle/IniFileThread.h"
#include "PluginFile.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "RuntimeTest.h"
#include "Settings/Profiles.h"
#include "State/GameData.h"
#include "Waiting.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;

	std::string Updating(const std::string& a_saved, const std::string& a_vehicle, const std::string& a_new)
	{
		return fmt::format("updating profile | SavedProfile [{}] | VehicleName [{}] | NewProfileName [{}]", a_saved, a_vehicle, a_new);
	}
	std::string Staying(const std::string& a_name)
	{
		return fmt::format("not necessary to update | VehicleName == CurrentProfile.sProfileName [{}]", a_name);
	}
	std::string DefaultRemains(const std::string& a_vehicle)
	{
		return fmt::format("cannot update, VehicleName [{}] cannot be found in Profiles; Default remains active", a_vehicle);
	}
	const std::string ForceReloading = "error: [UpdateCurrentProfile] Profiles.size == 0; force reloading all profiles and settings";
	const std::string CouldNotReload = "error: [UpdateCurrentProfile] Profiles.size == 0; could not reload all profiles and settings";

	class ProfileSwitch : public test::RuntimeTest
	{
	protected:
		ProfileSwitch()
		{
			Profiles = { MakeProfile("Default", "90.000000"), MakeProfile("REV-8", "120.000000") };
		}

		static void Pass(int a_times = 1)
		{
			for (int i = 0; i < a_times; ++i) {
				Update3DVFuncStruct::UpdateCurrentProfile();
			}
		}
	};

	TEST_F(ProfileSwitch, EnteringAVehicleWithItsOwnProfileAppliesItOnceAndThenStays)
	{
		Drive(AddVehicle("REV-8"));
		Pass(3);

		EXPECT_EQ(CurrentProfile.sProfileName, "REV-8");
		EXPECT_EQ(SettingValue("fVehicleCameraFirstPersonMaxAbsYaw"), 120.0f);
		EXPECT_THAT(LinesOf("UpdateCurrentProfile"), ElementsAre(Updating("", "REV-8", "REV-8"), Staying("REV-8"), Staying("REV-8")));
		// The vehicle is asked for on every pass, with the player.
		const auto vehicleCalls = world.calls.of("GetVehicle");
		ASSERT_EQ(vehicleCalls.size(), 3u);
		EXPECT_EQ(vehicleCalls[0].arguments, (std::vector<std::uint64_t>{ 0, 0, sim::widen(&world.references.player) }));
		EXPECT_EQ(world.calls.of("MatchesForm")[0].arguments[1], sim::widen(vehicleForm));
	}

	TEST_F(ProfileSwitch, VehicleWithoutProfileGetsTheFirstOnceShowingThePreviousProfile)
	{
		auto& rev8 = AddVehicle("REV-8");
		auto& mako = AddVehicle("Mako");
		Drive(rev8);
		Pass();
		Drive(mako);
		Pass(2);

		EXPECT_EQ(CurrentProfile.sProfileName, "Default");
		EXPECT_EQ(SettingValue("fVehicleCameraFirstPersonMaxAbsYaw"), 90.0f);
		EXPECT_THAT(LinesOf("UpdateCurrentProfile"),
			ElementsAre(Updating("", "REV-8", "REV-8"), Updating("REV-8", "Mako", "Default"), DefaultRemains("Mako")));
	}

	struct NameCase
	{
		const char* title;
		std::vector<std::string> profiles;  // names, in load order
		std::string current;
		std::string vehicle;
		std::string expectedProfile;
		std::string expectedLine;
	};
	void PrintTo(const NameCase& a_case, std::ostream* a_out) { *a_out << a_case.title; }

	class NameMatching : public ProfileSwitch, public testing::WithParamInterface<NameCase>
	{
	};

	TEST_P(NameMatching, ComparesExactlyAndFallsBackOnce)
	{
		const auto& c = GetParam();
		Profiles.clear();
		for (const auto& name : c.profiles) {
			Profiles.push_back(MakeProfile(name));
		}
		CurrentProfile.sProfileName = c.current;
		Drive(AddVehicle(c.vehicle));
		Pass();

		EXPECT_EQ(CurrentProfile.sProfileName, c.expectedProfile);
		EXPECT_THAT(LinesOf("UpdateCurrentProfile"), ElementsAre(c.expectedLine));
	}

	INSTANTIATE_TEST_SUITE_P(Names, NameMatching, testing::Values(NameCase{ "case_differs", { "Default", "REV-8" }, "Default", "rev-8", "Default", DefaultRemains("rev-8") }, NameCase{ "trailing_blank_differs", { "Default", "REV-8" }, "Default", "REV-8 ", "Default", DefaultRemains("REV-8 ") }, NameCase{ "case_differs_from_own", { "Default", "REV-8" }, "REV-8", "Rev-8", "Default", Updating("REV-8", "Rev-8", "Default") }, NameCase{ "empty_name_stays_with_empty", { "Default" }, "", "", "", Staying("") }, NameCase{ "empty_name_never_matches", { "Default" }, "REV-8", "", "Default", Updating("REV-8", "", "Default") }, NameCase{ "settings_remains", { "Default", "REV-8" }, "Settings", "Mako", "Settings", DefaultRemains("Mako") }, NameCase{ "first_match_wins", { "Default", "REV-8", "REV-8" }, "Default", "REV-8", "REV-8", Updating("Default", "REV-8", "REV-8") },
													  // A first profile named otherwise is not applied anew on every pass.
													  NameCase{ "first_profile_by_own_name_remains", { "Rover", "REV-8" }, "Rover", "Mako", "Rover", DefaultRemains("Mako") }, NameCase{ "first_profile_by_own_name_once", { "Rover", "REV-8" }, "REV-8", "Mako", "Rover", Updating("REV-8", "Mako", "Rover") }),
		[](const testing::TestParamInfo<NameCase>& a_info) { return std::string(a_info.param.title); });

	TEST_F(ProfileSwitch, NoPlayerNoVehicleOrAForeignVehicleIsSilent)
	{
		CurrentProfile.sProfileName = "Default";
		auto& foreign = AddVehicle("REV-8", &world.forms.add_form(0x1234));

		PlayerRef = nullptr;
		Pass();
		PlayerRef = reinterpret_cast<RE::Actor*>(&world.references.player);
		Pass();  // on foot
		Drive(foreign);
		Pass();
		Drive(AddVehicle("REV-8"));
		FormSFBGS004_017 = nullptr;
		Pass();

		EXPECT_EQ(CurrentProfile.sProfileName, "Default");
		EXPECT_THAT(LinesOf("UpdateCurrentProfile"), IsEmpty());
		EXPECT_EQ(world.calls.of("GetVehicle").size(), 3u);
		EXPECT_EQ(world.calls.of("MatchesForm").size(), 1u);
	}

	TEST_F(ProfileSwitch, EmptyProfilesReloadOnceThenWaitBeforeTryingAgain)
	{
		// Files that keep the log on but hold no profile.
		test::WritePluginFile(game.plugins(), "Tarmacor.ini", "[Global]\r\nbLogging=1\r\n");
		Profiles.clear();
		CurrentProfile.sProfileName = "Kept";
		Drive(AddVehicle("REV-8"));
		IniFileThreadOptions options;
		options.bWatchFolder = false;
		options.iStillForMs = 0;
		ASSERT_TRUE(StartIniFileThread(GetIniFileStamps(), options));
		// A pass asks the INI thread, which reads while frames go on.
		const auto passAndReload = [&] {
			Pass();
			ASSERT_TRUE(test::WaitForReloads());
		};

		passAndReload();
		const auto afterFirst = Entries();
		EXPECT_EQ(std::count(afterFirst.begin(), afterFirst.end(), ForceReloading), 1);
		EXPECT_EQ(std::count(afterFirst.begin(), afterFirst.end(), CouldNotReload), 1);

		world.time.iSteadyNanoseconds += 4'999'000'000;
		Pass(100);
		EXPECT_EQ(Entries(), afterFirst) << "no reload and no line before the interval has passed";

		world.time.iSteadyNanoseconds += 1'000'000;
		passAndReload();
		auto entries = Entries();
		EXPECT_EQ(std::count(entries.begin(), entries.end(), CouldNotReload), 2);
		EXPECT_EQ(CurrentProfile.sProfileName, "Kept");

		// The INI files come back: the next due reload finds the profile.
		test::WritePluginFile(game.plugins(), "Tarmacor.ini", "[Global]\r\nbLogging=1\r\n[Default]\r\niRearViewHotkey=0x51\r\n[REV-8]\r\niRearViewHotkey=0x52\r\n");
		world.time.iSteadyNanoseconds += 5'000'000'000;
		passAndReload();
		Pass();
		entries = Entries();
		EXPECT_EQ(std::count(entries.begin(), entries.end(), ForceReloading), 3);
		EXPECT_EQ(std::count(entries.begin(), entries.end(), CouldNotReload), 2);
		EXPECT_EQ(CurrentProfile.sProfileName, "REV-8");
		EXPECT_EQ(CurrentProfile.iRearViewHotkey, 0x52);
		StopIniFileThread();
	}
}
