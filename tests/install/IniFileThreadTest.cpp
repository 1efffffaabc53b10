#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include <windows.h>

#include "GameSession.h"
#include "Lifecycle/IniFileWatcher.h"
#include "Settings/Profiles.h"
#include "sim/Verbs.h"

namespace
{
	using testing::Contains;

	const std::string kCustomChanged = "info: [WatchIniFiles] TarmacorCustom.ini changed; reloading all profiles and settings";

	// The player drives the REV-8, whose profile is in TarmacorCustom.ini,
	// with logging on; the watcher runs on real files and the system's own
	// change notifications. Time is the system's (the game's clock stands
	// still in these tests).
	class IniWatcher : public test::GameSession
	{
	protected:
		IniWatcher()
		{
			world.forms.add_full("SFBGS004.esm", 0x02);
			auto& vehicle = world.references.add_reference(0xFF000101, 0, &world.forms.add_form(0x02000017));
			world.references.set_display_name(vehicle, world.strings.intern("REV-8"));
			WritePluginFile("Tarmacor.ini", test::Ini({ "[Default]", "[Global]", "bLogging=1" }));
			WriteCustom(120);
			Install();
			world.references.player.vehicle = &vehicle;
			world.references.player.fInVehicle = 1.0f;
			world.camera.vehicleState.vehicleViewMode = 1;
			sim::run_frame();
			EXPECT_EQ(Yaw(), 120.0f);
			EXPECT_TRUE(StartIniFileWatcher());
		}

		~IniWatcher() override { StopIniFileWatcher(); }

		void WriteCustom(int a_yaw, const char* a_reloadOnFileChange = "1")
		{
			WritePluginFile("TarmacorCustom.ini", test::Ini({ "[REV-8]", "fPlayerFirstPersonCameraPanoramicAngleLeftRight=" + std::to_string(a_yaw), "[Global]", std::string("bReloadOnFileChange=") + a_reloadOnFileChange }));
		}

		float Yaw() { return world.settings.find("fVehicleCameraFirstPersonMaxAbsYaw")->value; }

		long Reloads() const
		{
			const auto entries = log.entries();
			return static_cast<long>(std::count(entries.begin(), entries.end(), kCustomChanged));
		}

		// Milliseconds until a_done says yes, asked every 5 ms; -1 when it
		// still says no after 5 s.
		static long WaitUntil(const std::function<bool()>& a_done)
		{
			const auto start = ::GetTickCount64();
			for (;;) {
				const auto elapsed = static_cast<long>(::GetTickCount64() - start);
				if (a_done()) {
					return elapsed;
				}
				if (elapsed > 5'000) {
					return -1;
				}
				::Sleep(5);
			}
		}

		// Longer than an editor's save is given to settle, with room to spare.
		static void WaitPastTheQuietTime() { ::Sleep(800); }
	};

	TEST_F(IniWatcher, AnEditTakesEffectWhileDrivingWithoutASaveOrLoad)
	{
		WriteCustom(100);
		const auto ms = WaitUntil([&] { return Yaw() == 100.0f; });
		ASSERT_GE(ms, 0) << "the yaw limit is still " << Yaw();
		std::printf("from the write to the setting in the game: %ld ms\n", ms);
		EXPECT_THAT(log.entries(), Contains(kCustomChanged));
		EXPECT_THAT(log.entries(), Contains("info: [WatchIniFiles] current profile [REV-8] could be found in Profiles; reapplying profile"));
	}

	TEST_F(IniWatcher, ABurstOfWritesGivesOneReload)
	{
		for (const int yaw : { 101, 102, 103, 104, 105 }) {
			WriteCustom(yaw);
		}
		ASSERT_GE(WaitUntil([&] { return Yaw() == 105.0f; }), 0);
		WaitPastTheQuietTime();
		EXPECT_EQ(Reloads(), 1);
	}

	TEST_F(IniWatcher, OtherFilesStartNothingNorDoEditsWithTheSwitchOff)
	{
		WritePluginFile("notes.txt", "the REV-8 needs more yaw");
		WritePluginFile("Tarmacor_backup.ini", "[Default]\r\n");
		WaitPastTheQuietTime();
		EXPECT_EQ(Reloads(), 0);

		// The edit that turns it off is read; the next one isn't.
		WriteCustom(110, "0");
		ASSERT_GE(WaitUntil([&] { return Yaw() == 110.0f; }), 0);
		WriteCustom(100, "0");
		WaitPastTheQuietTime();
		EXPECT_EQ(Yaw(), 110.0f);
		EXPECT_EQ(Reloads(), 1);
	}

	// The editor saves through a handle it keeps, shared with nobody.
	TEST_F(IniWatcher, AFileAnEditorHoldsOpenIsReadOnceItIsFree)
	{
		const auto path = (game.plugins() / "TarmacorCustom.ini").wstring();
		const HANDLE held = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
		ASSERT_NE(held, INVALID_HANDLE_VALUE);
		const auto text = test::Ini({ "[REV-8]", "fPlayerFirstPersonCameraPanoramicAngleLeftRight=95" });
		DWORD written = 0;
		ASSERT_TRUE(::WriteFile(held, text.data(), static_cast<DWORD>(text.size()), &written, nullptr));
		WaitPastTheQuietTime();
		EXPECT_EQ(Yaw(), 120.0f);
		EXPECT_EQ(Reloads(), 0);

		::CloseHandle(held);
		EXPECT_GE(WaitUntil([&] { return Yaw() == 95.0f; }), 0);
		EXPECT_EQ(Reloads(), 1);
	}

	// A save right after an edit reads it too: whichever reload comes
	// second, the files as last written are in force, once.
	TEST_F(IniWatcher, AnEditRacingALoadLosesNothing)
	{
		for (const int yaw : { 100, 90 }) {
			WriteCustom(yaw);
			AdvanceMs(3001);
			sim::load_game();
			ASSERT_GE(WaitUntil([&] { return Yaw() == static_cast<float>(yaw); }), 0);
		}
		WaitPastTheQuietTime();
		EXPECT_EQ(Yaw(), 90.0f);
		ASSERT_EQ(Profiles.size(), 2u);
		EXPECT_EQ(Profiles[1].fPlayerFirstPersonCameraPanoramicAngleLeftRight, 90.0f);
		EXPECT_EQ(CurrentProfile.fPlayerFirstPersonCameraPanoramicAngleLeftRight, 90.0f);
	}
}
