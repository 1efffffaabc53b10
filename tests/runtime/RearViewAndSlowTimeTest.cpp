#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "Runtime/Update3DVFuncStruct.h"
#include "RuntimeTest.h"
#include "Settings/Profiles.h"

namespace
{
	using testing::ElementsAre;
	using testing::ElementsAreArray;
	using testing::IsEmpty;

	constexpr const char* kYaw = "fVehicleCameraFirstPersonMaxAbsYaw";
	constexpr const char* kMinX = "fVehicleDriverHeadTranslationMinX:Vehicle";
	constexpr const char* kMaxY = "fVehicleDriverHeadTranslationMaxY:Vehicle";

	// One pass of the rear view: the key, then what the pass must leave.
	struct RearViewPass
	{
		bool keyDown;
		bool result;
		std::int32_t state;
		float yaw;
		std::vector<std::string> lines;
	};

	const std::string Active = "Rear View is active";
	const std::string Inactive = "Rear View is inactive";
	const std::string Resetting = "Rear View deactivated | resetting camera";
	const std::string Reset = "Rear View deactivated | camera has been reset";

	class RearView : public test::RuntimeTest
	{
	protected:
		RearView() { CurrentProfile = MakeProfile("REV-8", "120.000000"); }

		void Run(const std::vector<RearViewPass>& a_passes)
		{
			for (std::size_t i = 0; i < a_passes.size(); ++i) {
				const auto& pass = a_passes[i];
				SCOPED_TRACE(testing::Message() << "pass " << i);
				const auto before = LinesOf("EvaluateRearView").size();
				HoldKey('Q', pass.keyDown);
				EXPECT_EQ(Update3DVFuncStruct::EvaluateRearView(), pass.result);
				EXPECT_EQ(RearViewState, pass.state);
				EXPECT_EQ(SettingValue(kYaw), pass.yaw);
				EXPECT_EQ(SettingValue(kMinX), pass.keyDown ? 0.0f : -0.58f);
				EXPECT_EQ(SettingValue(kMaxY), pass.keyDown ? 0.0f : -2.0f);
				const auto lines = LinesOf("EvaluateRearView");
				EXPECT_THAT(std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()), ElementsAreArray(pass.lines));
			}
		}
	};

	TEST_F(RearView, HoldingThenReleasingRestoresTheYawThroughOnePassAtZero)
	{
		Run({
			{ true, true, 1, -180.0f, { Active } },
			{ true, true, 1, -180.0f, { Active } },
			{ false, false, 2, 0.0f, { Inactive, Resetting } },
			{ false, false, 0, 120.0f, { Inactive, Reset } },
			{ false, false, 0, 120.0f, { Inactive } },
		});
	}

	TEST_F(RearView, PressingAgainWhileReleasedGoesStraightBackToShown)
	{
		Run({
			{ true, true, 1, -180.0f, { Active } },
			{ false, false, 2, 0.0f, { Inactive, Resetting } },
			{ true, true, 1, -180.0f, { Active } },
			{ false, false, 2, 0.0f, { Inactive, Resetting } },
		});
	}

	TEST_F(RearView, SwitchedOffItWritesNothingAndKeepsItsState)
	{
		CurrentProfile.bRearView = false;
		RearViewState = 2;
		HoldKey('Q');

		EXPECT_FALSE(Update3DVFuncStruct::EvaluateRearView());
		EXPECT_EQ(RearViewState, 2);
		EXPECT_EQ(SettingValue(kYaw), 55.0f);
		EXPECT_THAT(LinesOf("EvaluateRearView"), IsEmpty());
		EXPECT_THAT(world.calls.all(), IsEmpty());
	}

	TEST_F(RearView, HotkeysOutsideTheKeyRangeAreNeverHeld)
	{
		for (int key = 0; key < 256; ++key) {
			HoldKey(key);
		}
		for (const std::int32_t hotkey : { 0, -1, 255, 300, 0x7FFFFFFF }) {
			CurrentProfile.iRearViewHotkey = hotkey;
			EXPECT_FALSE(Update3DVFuncStruct::EvaluateRearView()) << hotkey;
			EXPECT_EQ(RearViewState, 0);
		}
		CurrentProfile.iRearViewHotkey = 254;
		EXPECT_TRUE(Update3DVFuncStruct::EvaluateRearView());
	}

	// One pass of the slow-time effect from a given game multiplier.
	struct SlowTimeCase
	{
		const char* title;
		bool smartAim;
		float multiplier;
		bool keyDown;
		bool result;
		std::vector<float> written;  // SetTimeMultiplier's multipliers
		std::vector<std::string> lines;
	};
	void PrintTo(const SlowTimeCase& a_case, std::ostream* a_out) { *a_out << a_case.title; }

	class SlowTime : public test::RuntimeTest, public testing::WithParamInterface<SlowTimeCase>
	{
	};

	TEST_P(SlowTime, WritesTheMultiplierOnlyWhenItDiffers)
	{
		const auto& c = GetParam();
		CurrentProfile.bSmartAim = c.smartAim;
		world.time.fCurrentTimeMultiplier = c.multiplier;
		HoldKey(0x20, c.keyDown);

		EXPECT_EQ(Update3DVFuncStruct::EvaluateSlowTimeEffect(), c.result);

		std::vector<float> written;
		for (const auto& call : world.calls.of("SetTimeMultiplier")) {
			ASSERT_EQ(call.arguments.size(), 3u);
			EXPECT_EQ(call.arguments[0], 0u);
			EXPECT_EQ(sim::as_float(call.arguments[2]), 1.0f);
			written.push_back(sim::as_float(call.arguments[1]));
		}
		EXPECT_EQ(written, c.written);
		EXPECT_THAT(LinesOf("EvaluateSlowTimeEffect"), ElementsAreArray(c.lines));
	}

	INSTANTIATE_TEST_SUITE_P(Multipliers, SlowTime, testing::Values(SlowTimeCase{ "normal_pressed_applies", true, 1.0f, true, true, { 0.2f }, { "applying time mult" } }, SlowTimeCase{ "slowed_held_does_nothing", true, 0.2f, true, false, {}, {} }, SlowTimeCase{ "slowed_released_removes", true, 0.2f, false, false, { 1.0f }, { "removing time mult" } }, SlowTimeCase{ "normal_released_does_nothing", true, 1.0f, false, false, {}, {} }, SlowTimeCase{ "foreign_released_forced_back", true, 0.5f, false, false, { 1.0f }, { "removing time mult" } }, SlowTimeCase{ "foreign_pressed_applies", true, 0.5f, true, true, { 0.2f }, { "applying time mult" } }, SlowTimeCase{ "smart_aim_off", false, 1.0f, true, false, {}, {} }, SlowTimeCase{ "smart_aim_off_foreign_kept", false, 0.5f, false, false, {}, {} }),
		[](const testing::TestParamInfo<SlowTimeCase>& a_info) { return std::string(a_info.param.title); });

	using SlowTimeSequence = test::RuntimeTest;

	TEST_F(SlowTimeSequence, IsAppliedOncePerPressAndRemovedOncePerRelease)
	{
		const std::vector<bool> keys{ true, true, true, false, false, true, false };
		std::vector<bool> results;
		for (const bool down : keys) {
			HoldKey(0x20, down);
			results.push_back(Update3DVFuncStruct::EvaluateSlowTimeEffect());
		}
		EXPECT_EQ(results, (std::vector<bool>{ true, false, false, false, false, true, false }));
		EXPECT_EQ(world.calls.of("SetTimeMultiplier").size(), 4u);
		EXPECT_EQ(world.time.fCurrentTimeMultiplier, 1.0f);
	}
}
