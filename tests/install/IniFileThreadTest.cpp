#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <spdlog/sinks/base_sink.h>
#include <spdlog/spdlog.h>
#include <windows.h>

#include "GameSession.h"
#include "Lifecycle/IniFileStamps.h"
#include "Lifecycle/IniFileThread.h"
#include "Settings/Profiles.h"
#include "sim/Verbs.h"

namespace
{
	using testing::Contains;
	using testing::Not;

	const std::string kCustomChanged = "info: [WatchIniFiles] TarmacorCustom.ini changed; reloading all profiles and settings";
	const std::string kReading = "info: [ReloadGlobalSettings] reading settings from VanillaINI...";
	const std::string kDefaultInstead = "warning: [WatchIniFiles] current profile [REV-8] could not be found in Profiles; reapplying Default profile";
	const std::string kHeldYet = "warning: [WatchIniFiles] can't reload yet | TarmacorCustom.ini is held open by another program; the settings in force stay until it can be read";

	std::string CustomText(int a_yaw, const char* a_reloadOnFileChange = "1", const char* a_lastSection = "[Global]")
	{
		return test::Ini({ "[REV-8]", "fPlayerFirstPersonCameraPanoramicAngleLeftRight=" + std::to_string(a_yaw), "[Global]",
			std::string("bReloadOnFileChange=") + a_reloadOnFileChange, a_lastSection });
	}

	// The player drives the REV-8, whose profile (yaw limit 120) is in
	// TarmacorCustom.ini; the Default profile's is 60, so a set without the
	// custom file shows at once. The thread runs on real files and the
	// system's own change notifications; frames run while a test waits.
	class IniThread : public test::GameSession
	{
	protected:
		IniThread()
		{
			world.forms.add_full("SFBGS004.esm", 0x02);
			auto& vehicle = world.references.add_reference(0xFF000101, 0, &world.forms.add_form(0x02000017));
			world.references.set_display_name(vehicle, world.strings.intern("REV-8"));
			WritePluginFile("Tarmacor.ini", test::Ini({ "[Default]", "fPlayerFirstPersonCameraPanoramicAngleLeftRight=60", "[Global]", "bLogging=1" }));
			WritePluginFile("TarmacorCustom.ini", CustomText(120));
			Install();
			world.references.player.vehicle = &vehicle;
			world.references.player.fInVehicle = 1.0f;
			world.camera.vehicleState.vehicleViewMode = 1;
			sim::run_frame();
			EXPECT_EQ(Yaw(), 120.0f);
		}

		~IniThread() override { StopIniFileThread(); }

		// The thread as the plugin starts it, but for a_options.
		void Start(const IniFileThreadOptions& a_options = {})
		{
			StopIniFileThread();
			first = EntryCount();
			ASSERT_TRUE(StartIniFileThread(GetIniFileStamps(), a_options));
		}

		float Yaw() { return world.settings.find("fVehicleCameraFirstPersonMaxAbsYaw")->value; }

		// Frames, each noting the yaw limit the game has, until a_done.
		bool DriveUntil(const std::function<bool()>& a_done)
		{
			return test::WaitUntil([&] {
				sim::run_frame();
				if (seen.empty() || seen.back() != Yaw()) {
					seen.push_back(Yaw());
				}
				return a_done();
			});
		}
		bool DriveUntilYaw(float a_yaw)
		{
			return DriveUntil([&] { return Yaw() == a_yaw; });
		}

		long Count(const std::string& a_entry) const
		{
			const auto entries = EntriesFrom(first);
			return static_cast<long>(std::count(entries.begin(), entries.end(), a_entry));
		}
		bool Logged(const std::string& a_entry) const { return Count(a_entry) > 0; }

		std::filesystem::path Custom() const { return game.plugins() / "TarmacorCustom.ini"; }

		std::size_t first{ 0 };
		std::vector<float> seen;
	};

	TEST_F(IniThread, AnEditTakesEffectWhileDrivingWithoutASaveOrLoad)
	{
		Start();
		WritePluginFile("TarmacorCustom.ini", CustomText(100));
		ASSERT_TRUE(DriveUntilYaw(100.0f)) << "the yaw limit is still " << Yaw();
		EXPECT_EQ(Count(kCustomChanged), 1);
		EXPECT_TRUE(Logged("info: [WatchIniFiles] current profile [REV-8] could be found in Profiles; reapplying profile"));
	}

	// How an editor saves TarmacorCustom.ini with the yaw limit 95: each way
	// passes through a moment where the file is absent, held or half
	// written. Each ends with the edit in force after one reload, and never
	// with a set without the file in between.
	struct EditorSave
	{
		const char* name;
		std::function<void(const std::filesystem::path& a_file, const std::string& a_text)> save;
	};
	void PrintTo(const EditorSave& a_save, std::ostream* a_out) { *a_out << a_save.name; }

	void WriteHeld(HANDLE a_file, const std::string& a_text)
	{
		DWORD written = 0;
		ASSERT_TRUE(::WriteFile(a_file, a_text.data(), static_cast<DWORD>(a_text.size()), &written, nullptr));
	}
	std::filesystem::path Beside(const std::filesystem::path& a_file, const char* a_suffix)
	{
		return a_file.parent_path() / (a_file.filename().wstring() + std::filesystem::path(a_suffix).wstring());
	}
	void WriteNew(const std::filesystem::path& a_file, const std::string& a_text)
	{
		const HANDLE file = ::CreateFileW(a_file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
		ASSERT_NE(file, INVALID_HANDLE_VALUE);
		WriteHeld(file, a_text);
		::CloseHandle(file);
	}

	const EditorSave kEditorSaves[] = {
		{ "in_place_held_unshared", [](const auto& a_file, const auto& a_text) {
			 const HANDLE held = ::CreateFileW(a_file.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
			 ASSERT_NE(held, INVALID_HANDLE_VALUE);
			 WriteHeld(held, a_text.substr(0, a_text.size() / 2));
			 ::Sleep(500);  // a slow editor: longer than the still time
			 WriteHeld(held, a_text.substr(a_text.size() / 2));
			 ::CloseHandle(held);
		 } },
		{ "delete_then_rename_450_ms_apart", [](const auto& a_file, const auto& a_text) {
			 WriteNew(Beside(a_file, ".new"), a_text);
			 ASSERT_TRUE(::DeleteFileW(a_file.c_str()));
			 ::Sleep(450);
			 ASSERT_TRUE(::MoveFileW(Beside(a_file, ".new").c_str(), a_file.c_str()));
		 } },
		{ "replace_file", [](const auto& a_file, const auto& a_text) {
			 WriteNew(Beside(a_file, ".new"), a_text);
			 ASSERT_TRUE(::ReplaceFileW(a_file.c_str(), Beside(a_file, ".new").c_str(), nullptr, 0, nullptr, nullptr));
		 } },
		{ "rename_over_the_old_file", [](const auto& a_file, const auto& a_text) {
			 WriteNew(Beside(a_file, ".new"), a_text);
			 ASSERT_TRUE(::MoveFileExW(Beside(a_file, ".new").c_str(), a_file.c_str(), MOVEFILE_REPLACE_EXISTING));
		 } },
		{ "backup_then_a_fresh_file", [](const auto& a_file, const auto& a_text) {
			 ASSERT_TRUE(::MoveFileW(a_file.c_str(), Beside(a_file, ".bak").c_str()));
			 ::Sleep(100);
			 const HANDLE fresh = ::CreateFileW(a_file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
			 ASSERT_NE(fresh, INVALID_HANDLE_VALUE);
			 ::Sleep(400);
			 WriteHeld(fresh, a_text);
			 ::CloseHandle(fresh);
		 } },
	};

	class EditorSaves : public IniThread, public testing::WithParamInterface<EditorSave>
	{
	};

	TEST_P(EditorSaves, PutTheEditInForceOnceAndNeverASetWithoutTheFile)
	{
		Start();
		GetParam().save(Custom(), CustomText(95));
		ASSERT_TRUE(DriveUntilYaw(95.0f)) << "the yaw limit is still " << Yaw();
		// A file beside it: once the thread has looked at that, any reload
		// the save could still start has come.
		const auto looks = GetIniFolderLookCount();
		WritePluginFile("notes.txt", "95 is better");
		ASSERT_TRUE(DriveUntil([&] { return GetIniFolderLookCount() > looks; }));
		EXPECT_EQ(Count(kReading), 1);
		EXPECT_FALSE(Logged(kDefaultInstead));
		EXPECT_EQ(seen, (std::vector<float>{ 120.0f, 95.0f }));
	}
	INSTANTIATE_TEST_SUITE_P(Ways, EditorSaves, testing::ValuesIn(kEditorSaves), [](const auto& a_info) { return std::string(a_info.param.name); });

	// An editor holds TarmacorCustom.ini, shared with nobody, and has written
	// the yaw limit 95 through it; then the game saves. The thread doesn't
	// watch: only the save asks it to read.
	class HeldFile : public IniThread
	{
	protected:
		HANDLE HoldTheFileAndSave(unsigned long a_heldForAtMostMs = IniFileThreadOptions{}.iHeldForAtMostMs)
		{
			IniFileThreadOptions options;
			options.bWatchFolder = false;
			options.iHeldForAtMostMs = a_heldForAtMostMs;
			Start(options);
			const HANDLE held = ::CreateFileW(Custom().c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
			EXPECT_NE(held, INVALID_HANDLE_VALUE);
			WriteHeld(held, CustomText(95));
			AdvanceMs(3001);
			sim::save_game();
			return held;
		}
	};

	// The thread waits for the editor to let go instead of reading nothing
	// from the file.
	TEST_F(HeldFile, ASaveWaitsUntilTheFileIsFree)
	{
		const HANDLE held = HoldTheFileAndSave();
		ASSERT_TRUE(DriveUntil([&] { return Logged(kHeldYet); }));
		EXPECT_EQ(Yaw(), 120.0f);
		EXPECT_EQ(Profiles.size(), 2u);

		::CloseHandle(held);
		ASSERT_TRUE(DriveUntilYaw(95.0f));
		EXPECT_TRUE(Logged("info: [HandleSaveLoadEvent] current profile [REV-8] could be found in Profiles; reapplying profile"));
		EXPECT_EQ(seen, (std::vector<float>{ 120.0f, 95.0f }));
	}

	// Held past the bound: the reload is given up, the set in force stays;
	// the next save reads the file once it is free.
	TEST_F(HeldFile, PastTheBoundTheReloadIsGivenUpAndTheSetInForceStays)
	{
		const HANDLE held = HoldTheFileAndSave(300);
		ASSERT_TRUE(WaitForReloads());
		EXPECT_TRUE(Logged("error: [WatchIniFiles] can't reload | TarmacorCustom.ini is held open by another program; the settings in force stay"));
		EXPECT_EQ(Count(kReading), 0);
		EXPECT_EQ(Yaw(), 120.0f);

		::CloseHandle(held);
		AdvanceMs(3001);
		sim::save_game();
		ASSERT_TRUE(DriveUntilYaw(95.0f));
	}

	TEST_F(IniThread, AFileDeletedForGoodTakesEffectOnceItStayedAway)
	{
		Start();
		const auto deleted = ::GetTickCount64();
		ASSERT_TRUE(::DeleteFileW(Custom().c_str()));
		ASSERT_TRUE(DriveUntil([&] { return Logged(kDefaultInstead); }));
		EXPECT_GE(::GetTickCount64() - deleted, 2'000u);
		EXPECT_TRUE(DriveUntilYaw(60.0f));
		EXPECT_EQ(Count(kReading), 1);
	}

	// Other files, and edits with the switch off, start nothing: the thread
	// looks at each change and passes by.
	TEST_F(IniThread, OtherFilesStartNothingNorDoEditsWithTheSwitchOff)
	{
		Start();
		auto looks = GetIniFolderLookCount();
		WritePluginFile("notes.txt", "the REV-8 needs more yaw");
		WritePluginFile("Tarmacor_backup.ini", "[Default]\r\n");
		ASSERT_TRUE(DriveUntil([&] { return GetIniFolderLookCount() > looks; }));
		EXPECT_EQ(Count(kReading), 0);

		// The edit that turns it off is read; the next one isn't.
		WritePluginFile("TarmacorCustom.ini", CustomText(110, "0"));
		ASSERT_TRUE(DriveUntilYaw(110.0f));
		looks = GetIniFolderLookCount();
		WritePluginFile("TarmacorCustom.ini", CustomText(100, "0"));
		ASSERT_TRUE(DriveUntil([&] { return GetIniFolderLookCount() > looks; }));
		EXPECT_EQ(Yaw(), 110.0f);
		EXPECT_EQ(Count(kReading), 1);
	}

	// An editor's save in five writes 50 ms apart, with the clock's own file
	// times, while frames go on: the thread waits for the file to keep still and reads it once
	// (twice at most, should this thread stall past the still time), the
	// last write ends in force, and never an older one after a newer one.
	TEST_F(IniThread, ABurstOfWritesIsReadOnceStill)
	{
		Start();
		for (const int yaw : { 101, 102, 103, 104, 105 }) {
			WriteNew(Custom(), CustomText(yaw));
			const auto written = ::GetTickCount64();
			DriveUntil([&] { return ::GetTickCount64() - written >= 50; });
		}
		ASSERT_TRUE(DriveUntilYaw(105.0f));
		EXPECT_LE(Count(kReading), 2);
		EXPECT_TRUE(std::is_sorted(seen.begin() + 1, seen.end())) << testing::PrintToString(seen);
	}

	// A spdlog sink that calls a_action once, on the thread that writes the
	// first line a_when says yes to.
	class ActingSink : public spdlog::sinks::base_sink<std::mutex>
	{
	public:
		ActingSink(std::function<bool(std::string_view)> a_when, std::function<void()> a_action) :
			_when(std::move(a_when)), _action(std::move(a_action)) {}

	protected:
		void sink_it_(const spdlog::details::log_msg& a_message) override
		{
			if (_action && _when(std::string_view(a_message.payload.data(), a_message.payload.size()))) {
				std::exchange(_action, nullptr)();
			}
		}
		void flush_() override {}

	private:
		std::function<bool(std::string_view)> _when;
		std::function<void()> _action;
	};

	// An edit that lands while a load's reload reads the files, after the
	// REV-8 was read (the read then adds a section after it): what was read
	// is older than the file, and the edit is read after; nothing is lost.
	TEST_F(IniThread, AnEditDuringALoadsReadIsReadAfterIt)
	{
		WritePluginFile("TarmacorCustom.ini", CustomText(120, "1", "[Zeta]"));
		Start();
		auto& sinks = spdlog::default_logger()->sinks();
		sinks.push_back(std::make_shared<ActingSink>([](std::string_view a_line) { return a_line.find("adding Profile [Zeta] from CustomINI") != std::string_view::npos; },
			[&] { WritePluginFile("TarmacorCustom.ini", CustomText(90, "1", "[Zeta]")); }));
		AdvanceMs(3001);
		sim::load_game();
		ASSERT_TRUE(DriveUntilYaw(90.0f)) << "the yaw limit is still " << Yaw();
		sinks.pop_back();
		ASSERT_EQ(Profiles.size(), 3u);
		EXPECT_EQ(CurrentProfile.fPlayerFirstPersonCameraPanoramicAngleLeftRight, 90.0f);
	}

	// A folder renamed away and replaced (a mod manager), deleted and made
	// anew, or not there at the start: once the plugin folder is there
	// again, edits in it take effect.
	struct FolderChange
	{
		const char* name;
		std::function<void(const std::filesystem::path& a_plugins)> before;  // before the thread starts
		std::function<void(const std::filesystem::path& a_plugins)> after;   // once it runs
	};
	void PrintTo(const FolderChange& a_change, std::ostream* a_out) { *a_out << a_change.name; }

	void CopyFolder(const std::filesystem::path& a_from, const std::filesystem::path& a_to)
	{
		std::filesystem::copy(a_from, a_to, std::filesystem::copy_options::recursive);
	}

	const FolderChange kFolderChanges[] = {
		{ "renamed_away_and_replaced", nullptr, [](const auto& a_plugins) {
			 std::filesystem::rename(a_plugins, a_plugins.parent_path() / "Plugins.old");
			 CopyFolder(a_plugins.parent_path() / "Plugins.old", a_plugins);
		 } },
		// Our notification must let go of the deleted folder: a handle kept
		// would keep it half deleted, and no new one could be made.
		{ "deleted_and_made_anew", nullptr, [](const auto& a_plugins) {
			 CopyFolder(a_plugins, a_plugins.parent_path() / "Plugins.kept");
			 std::filesystem::remove_all(a_plugins);
			 ASSERT_TRUE(test::WaitUntil([&] { return !std::filesystem::exists(a_plugins); }, 2'000)) << "the deleted folder stays";
			 CopyFolder(a_plugins.parent_path() / "Plugins.kept", a_plugins);
		 } },
		{ "missing_at_the_start", [](const auto& a_plugins) { std::filesystem::rename(a_plugins, a_plugins.parent_path() / "Plugins.away"); }, [](const auto& a_plugins) { std::filesystem::rename(a_plugins.parent_path() / "Plugins.away", a_plugins); } },
	};

	class FolderChanges : public IniThread, public testing::WithParamInterface<FolderChange>
	{
	};

	TEST_P(FolderChanges, AreWatchedAgainOnceThePluginFolderIsBack)
	{
		const auto& change = GetParam();
		if (change.before) {
			change.before(game.plugins());
		}
		IniFileThreadOptions options;
		options.iFolderCheckMs = 50;
		Start(options);
		change.after(game.plugins());
		if (change.before) {
			ASSERT_TRUE(DriveUntil([&] { return Logged("info: [WatchIniFiles] watching the INI files again in .\\Data\\SFSE\\Plugins\\"); }));
			const auto entries = EntriesFrom(first);
			EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [](const std::string& a_entry) {
				return a_entry.starts_with("warning: [WatchIniFiles] can't watch the INI files | the system won't report changes in .\\Data\\SFSE\\Plugins\\ (error ");
			}));
		}
		WritePluginFile("TarmacorCustom.ini", CustomText(100));
		ASSERT_TRUE(DriveUntilYaw(100.0f)) << "the yaw limit is still " << Yaw();
	}
	INSTANTIATE_TEST_SUITE_P(Folders, FolderChanges, testing::ValuesIn(kFolderChanges), [](const auto& a_info) { return std::string(a_info.param.name); });
}
