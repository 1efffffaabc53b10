// The game's float settings: found through the game's collection and lookup,
// written and read as value texts, and the strict conversion Smart Aim uses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <optional>
#include <string>

#include "Helpers/GameSettings.h"
#include "PatchTest.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;
	using GameSettings = test::PatchTest;
	namespace settings = test::settings;

	constexpr const char* AimTimeScale = "fVehicleAimModeTimeScale";

	TEST_F(GameSettings, FindAsksTheGameWithItsCollectionAndAMissingSettingIsSilent)
	{
		EXPECT_EQ(reinterpret_cast<void*>(FindGameSetting(AimTimeScale)), settings::find(AimTimeScale));
		EXPECT_FALSE(SetGameSetting("fNoSuchSetting", "abc", 1));
		settings::remove(AimTimeScale);
		EXPECT_FALSE(SetGameSetting(AimTimeScale, "1.0", 1));
		ASSERT_EQ(settings::lookups().size(), 3u);
		EXPECT_EQ(sim::world().calls.of("LookupSettingByName")[0].arguments[0], sim::widen(&settings::area().collection));
		EXPECT_EQ(settings::lookups()[1], "fNoSuchSetting");

		// Neither a missing name nor a game without its collection yet
		// reaches the game's lookup.
		settings::reset();
		EXPECT_EQ(FindGameSetting(nullptr), nullptr);
		EXPECT_FALSE(SetGameSetting("", "1.0", 1));
		settings::area().collectionGlobal = nullptr;
		EXPECT_EQ(FindGameSetting(AimTimeScale), nullptr);
		EXPECT_THAT(settings::lookups(), IsEmpty());
		EXPECT_THAT(Entries(), IsEmpty());
	}

	struct WriteCase
	{
		const char* text;
		std::optional<float> stored;  // nothing: refused, the setting keeps 0.5
	};

	TEST_F(GameSettings, SetStoresWhatTheTextConvertsToAndRefusesTheRest)
	{
		const WriteCase cases[]{
			{ "1.0", 1.0f },
			{ " 2.5", 2.5f },
			{ "0.55abc", 0.55f },
			{ "-90.000000", -90.0f },
			{ "abc", std::nullopt },
			{ "", std::nullopt },
			{ "-", std::nullopt },
			{ ".", std::nullopt },
			{ "nan", std::nullopt },
			{ "inf", std::nullopt },
			{ "1e39", std::nullopt },  // beyond a float
		};
		for (const auto& c : cases) {
			settings::reset();
			const test::TestLog caseLog;
			EXPECT_EQ(SetGameSetting(AimTimeScale, c.text, 1), c.stored.has_value()) << c.text;
			EXPECT_EQ(std::bit_cast<std::uint32_t>(settings::value(AimTimeScale)), std::bit_cast<std::uint32_t>(c.stored.value_or(0.5f))) << c.text;
			if (c.stored) {
				EXPECT_THAT(caseLog.entries(), IsEmpty()) << c.text;
			} else {
				EXPECT_THAT(caseLog.entries(), ElementsAre("error: [SetGameSetting] exception: sSetting [fVehicleAimModeTimeScale] sValue [" + std::string(c.text) + "] iSettingType [1]")) << c.text;
			}
		}

		// The type code is only reported; with logging off nothing is.
		const test::TestLog typeLog;
		EXPECT_FALSE(SetGameSetting(AimTimeScale, "x", 7));
		bLogging = false;
		EXPECT_FALSE(SetGameSetting(AimTimeScale, "x", 1));
		EXPECT_THAT(typeLog.entries(), ElementsAre("error: [SetGameSetting] exception: sSetting [fVehicleAimModeTimeScale] sValue [x] iSettingType [7]"));
	}

	TEST_F(GameSettings, GetGivesThePrintfTextOrNothing)
	{
		EXPECT_EQ(GetGameSetting(AimTimeScale), "0.500000");
		settings::set(AimTimeScale, -90.0f);
		EXPECT_EQ(GetGameSetting(AimTimeScale), "-90.000000");
		EXPECT_EQ(GetGameSetting("fNoSuchSetting"), "");
		const auto lookups = settings::lookups().size();
		EXPECT_EQ(GetGameSetting(""), "");
		EXPECT_EQ(settings::lookups().size(), lookups);
		EXPECT_THAT(Entries(), IsEmpty());
	}

	struct ParseCase
	{
		const char* text;
		std::optional<float> value;
	};

	TEST_F(GameSettings, TryParseFloatTakesOnlyDigitsSignsAndPoints)
	{
		const ParseCase cases[]{
			{ "-0.580000", -0.58f },
			{ "90", 90.0f },
			{ "1.0", 1.0f },
			{ ".5", 0.5f },
			{ " 90", std::nullopt },
			{ "+1", std::nullopt },
			{ "1e3", std::nullopt },
			{ "", std::nullopt },
			{ "-", std::nullopt },
			{ ".", std::nullopt },
			{ "--1", std::nullopt },
			{ "nan", std::nullopt },
			{ "0.5 ", std::nullopt },
		};
		for (const auto& c : cases) {
			float out = 7.0f;
			EXPECT_EQ(TryParseFloat(c.text, &out), c.value.has_value()) << c.text;
			EXPECT_EQ(out, c.value.value_or(7.0f)) << c.text;
		}
		EXPECT_FALSE(TryParseFloat("1.0", nullptr));
		EXPECT_THAT(Entries(), IsEmpty());
	}
}
