// A profile taking effect in the game: the camera settings in the game's
// order, the Smart Aim rule for the aim time scale, and the Exit Anywhere
// instruction written only when it isn't in the wanted form already.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "PatchTest.h"
#include "Runtime/ApplyProfile.h"
#include "Settings/ValueText.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;
	using ApplyProfileTest = test::PatchTest;
	namespace settings = test::settings;
	using Bytes = std::vector<std::uint8_t>;

	constexpr const char* AimTimeScale = "fVehicleAimModeTimeScale";
	const Bytes Enabled{ 0x83, 0xBD, 0xF0, 0x00, 0x00, 0x00, 0x08 };
	const Bytes GameForm{ std::begin(sim::ExitAnywhereGameBytes), std::end(sim::ExitAnywhereGameBytes) };

	Profile MakeProfile(bool a_smartAim = true, bool a_exitAnywhere = true)
	{
		Profile p;
		p.sProfileName = "REV-8";
		p.bSmartAim = a_smartAim;
		p.bExitAnywhere = a_exitAnywhere;
		FillValueTexts(p);
		return p;
	}

	const std::vector<std::string>& LookedUp() { return settings::lookups(); }

	std::vector<float> GameValues()
	{
		std::vector<float> values;
		for (const auto& name : settings::known_names()) {
			values.push_back(settings::find(name) ? settings::value(name) : -99.0f);
		}
		return values;
	}

	TEST_F(ApplyProfileTest, WritesTheSixteenCameraSettingsInTheGamesOrder)
	{
		auto p = MakeProfile();
		// A value of its own for each text, so that no two can be mixed up.
		p.sPlayerFirstPersonCameraOffsetMinX = "1";
		p.sPlayerFirstPersonCameraOffsetMaxY = "2";
		p.sPlayerFirstPersonCameraOffsetMaxZ = "3";
		p.sPlayerFirstPersonCameraOffsetMaxX = "4";
		p.sPlayerFirstPersonCameraOffsetMinY = "5";
		p.sPlayerFirstPersonCameraOffsetMinZ = "6";
		p.sPlayerFirstPersonCameraPanoramicAngleUp = "-7";
		p.sPlayerFirstPersonCameraPanoramicAngleDown = "8";
		p.sPlayerFirstPersonCameraPanoramicAngleLeftRight = "9";
		p.sPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode = "10";
		ApplyProfile(p);

		// The game's settings list the sixteen in the order they are written,
		// then the aim time scale.
		EXPECT_EQ(LookedUp(), settings::known_names());
		EXPECT_EQ(GameValues(), (std::vector<float>{ 8, -7, 0, 0, 0, 0, 0, 0, 3, 6, 9, 10, 5, 2, 1, 4, 1 }));
		EXPECT_THAT(Entries(), ElementsAre("info: [ApplyProfile] applying profile [REV-8]", "info: [ApplyProfile] Exit Anywhere feature enabled"));
	}

	TEST_F(ApplyProfileTest, AMissingSettingOrABadTextLeavesOnlyThatSetting)
	{
		auto profile = MakeProfile();
		profile.sPlayerFirstPersonCameraOffsetMaxZ = "abc";
		settings::remove("fVehicleCameraFirstPersonMaxPitch");
		ApplyProfile(profile);

		// The head's MaxZ keeps the game's 0.25; the one missing reads -99.
		EXPECT_EQ(GameValues(), (std::vector<float>{ -99, -90, 0, 0, 0, 0, 0, 0, 0.25f, 0, 90, 100, 0, -2, -0.58f, 0, 1 }));
		EXPECT_EQ(LookedUp().size(), 17u);
		EXPECT_THAT(Entries(), ElementsAre("info: [ApplyProfile] applying profile [REV-8]", "error: [SetGameSetting] exception: sSetting [fVehicleDriverHeadTranslationMaxZ:Vehicle] sValue [abc] iSettingType [1]", "info: [ApplyProfile] Exit Anywhere feature enabled"));
	}

	struct SmartAimCase
	{
		bool bSmartAim;
		std::optional<float> before;  // nothing: the game lacks the setting
		std::optional<float> after;
		std::size_t lookups;  // of the aim time scale: reads and writes
		bool error;
	};

	TEST_F(ApplyProfileTest, SmartAimOnlyEverTakesBackItsOwnTimeScale)
	{
		const SmartAimCase cases[]{
			{ true, 0.5f, 1.0f, 1, false },
			{ true, 1.0f, 1.0f, 1, false },  // written all the same
			{ true, 0.75f, 1.0f, 1, false },
			{ true, std::nullopt, std::nullopt, 1, false },
			{ false, 1.0f, 0.5f, 2, false },
			{ false, 0.5f, 0.5f, 1, false },
			{ false, 0.75f, 0.75f, 1, false },  // another mod's value stays
			{ false, -1.0f, -1.0f, 1, false },
			{ false, std::nullopt, std::nullopt, 1, true },
		};
		for (const auto& c : cases) {
			settings::reset();
			if (c.before) {
				settings::set(AimTimeScale, *c.before);
			} else {
				settings::remove(AimTimeScale);
			}
			const test::TestLog caseLog;
			ApplyProfile(MakeProfile(c.bSmartAim));

			const auto names = LookedUp();
			const auto what = testing::Message() << "bSmartAim " << c.bSmartAim << ", before " << c.before.value_or(-99.0f);
			EXPECT_EQ(static_cast<std::size_t>(std::count(names.begin(), names.end(), AimTimeScale)), c.lookups) << what;
			if (c.after) {
				EXPECT_EQ(settings::value(AimTimeScale), *c.after) << what;
			}
			const auto entries = caseLog.entries();
			EXPECT_EQ(std::count(entries.begin(), entries.end(), "error: [ApplyProfile] errors occured while applying Smart Aim"), c.error ? 1 : 0) << what;
		}
	}

	struct ExitAnywhereStep
	{
		bool bExitAnywhere;
		const char* line;
		bool writes;
		const Bytes& bytes;
	};

	TEST_F(ApplyProfileTest, ExitAnywhereIsWrittenOnlyWhenTheSiteHoldsTheOtherForm)
	{
		const auto site = sim::exit_anywhere_site();
		const auto protection = sim::protection_of(site);
		const ExitAnywhereStep steps[]{
			{ true, "info: [ApplyProfile] Exit Anywhere feature enabled", true, Enabled },
			{ true, "info: [ApplyProfile] Exit Anywhere feature is enabled", false, Enabled },
			{ false, "info: [ApplyProfile] Exit Anywhere feature disabled", true, GameForm },
			{ false, "info: [ApplyProfile] Exit Anywhere feature is disabled", false, GameForm },
		};
		for (const auto& step : steps) {
			const test::TestLog stepLog;
			memory.clear();
			ApplyProfile(MakeProfile(true, step.bExitAnywhere));

			EXPECT_EQ(BytesAt(site, 7), step.bytes) << step.line;
			EXPECT_EQ(memory.changes_touching(site, 7) > 0, step.writes) << step.line;
			EXPECT_EQ(sim::protection_of(site), protection) << step.line;
			EXPECT_THAT(stepLog.entries(), ElementsAre("info: [ApplyProfile] applying profile [REV-8]", step.line));
		}
	}

	TEST_F(ApplyProfileTest, AFailedPatchIsReportedAfterTheSettingsAndBeforeSmartAim)
	{
		for (const bool enable : { true, false }) {
			sim::reset_code_sites();
			if (!enable) {
				ApplyProfile(MakeProfile(true, true));
			}
			settings::reset();
			settings::remove(AimTimeScale);
			const auto before = BytesAt(sim::exit_anywhere_site(), 7);
			const test::TestLog caseLog;
			memory.refuse = [](const sim::ProtectionChange&) { return true; };
			ApplyProfile(MakeProfile(false, enable));
			memory.refuse = nullptr;

			EXPECT_EQ(BytesAt(sim::exit_anywhere_site(), 7), before);
			EXPECT_EQ(settings::value("fVehicleDriverHeadTranslationMinX:Vehicle"), -0.58f);
			EXPECT_THAT(caseLog.entries(), ElementsAre("info: [ApplyProfile] applying profile [REV-8]", "error: [WriteBytes] VirtualProtect error 01.", enable ? "error: [ApplyProfile] couldn't enable Exit Anywhere feature" : "error: [ApplyProfile] couldn't disable Exit Anywhere feature", "error: [ApplyProfile] errors occured while applying Exit Anywhere", "error: [ApplyProfile] errors occured while applying Smart Aim"));
		}
	}

	TEST_F(ApplyProfileTest, WithLoggingOffTheGameGetsTheSameAndTheLogNothing)
	{
		// Every path at once: a bad text, Smart Aim taking back 1.0, the patch
		// written, then found in place, then Smart Aim without its setting.
		const auto play = [] {
			settings::reset();
			sim::reset_code_sites();
			settings::set(AimTimeScale, 1.0f);
			auto profile = MakeProfile(false, true);
			profile.sPlayerFirstPersonCameraOffsetMinZ = "abc";
			ApplyProfile(profile);
			ApplyProfile(profile);
			settings::remove(AimTimeScale);
			ApplyProfile(MakeProfile(false, false));
			auto state = GameValues();
			const auto site = BytesAt(sim::exit_anywhere_site(), 7);
			state.insert(state.end(), site.begin(), site.end());
			return state;
		};
		const auto logged = play();
		const std::string applying = "info: [ApplyProfile] applying profile [REV-8]";
		const std::string badText = "error: [SetGameSetting] exception: sSetting [fVehicleDriverHeadTranslationMinZ:Vehicle] sValue [abc] iSettingType [1]";
		EXPECT_THAT(Entries(),
			ElementsAre(applying, badText, "info: [ApplyProfile] Exit Anywhere feature enabled",  //
				applying, badText, "info: [ApplyProfile] Exit Anywhere feature is enabled",       //
				applying, "info: [ApplyProfile] Exit Anywhere feature disabled", "error: [ApplyProfile] errors occured while applying Smart Aim"));
		const test::TestLog quietLog;
		bLogging = false;
		EXPECT_EQ(play(), logged);
		EXPECT_EQ(quietLog.text(), "");
	}
}
