#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <thread>
#include <vector>

#include <windows.h>

#include "LibraryFiles.h"
#include "RE/IDs.h"
#include "REL/DatabasePack.h"
#include "REL/ID.h"
#include "REL/IDDatabase.h"
#include "REL/Module.h"
#include "TestLog.h"
#include "sim/AddressLibrary.h"
#include "sim/GameFolder.h"
#include "sim/GameIndex.h"
#include "sim/platform/MessageBoxes.h"

namespace
{
	using testing::AllOf;
	using testing::HasSubstr;

	const REL::Version kGameVersion(1, 14, 70, 0);

	// The Steam runtime's stand-in, loaded for the object's life.
	class SteamRuntime
	{
	public:
		SteamRuntime() :
			_module(::LoadLibraryW((test::executable_folder() / L"steam_api64.dll").c_str()))
		{}
		~SteamRuntime()
		{
			if (_module) {
				::FreeLibrary(_module);
			}
		}
		SteamRuntime(const SteamRuntime&) = delete;
		SteamRuntime& operator=(const SteamRuntime&) = delete;
		bool loaded() const noexcept { return _module != nullptr; }

	private:
		HMODULE _module;
	};

	bool TableExists(const wchar_t* a_name)
	{
		const HANDLE mapping = ::OpenFileMappingW(FILE_MAP_READ, FALSE, a_name);
		if (mapping) {
			::CloseHandle(mapping);
		}
		return mapping != nullptr;
	}

	TEST(IDResolution, EveryIndexedItemResolvesToTheGamesOwn)
	{
		const sim::GameFolder game;
		for (const auto& entry : RE::IDs::all) {
			EXPECT_EQ(entry.id.address(), sim::game_address(entry.id)) << entry.name;
		}
		const auto& database = REL::IDDatabase::get();
		EXPECT_TRUE(database.is_loaded());
		EXPECT_EQ(database.platform(), 1);
		EXPECT_EQ(database.table().size(), RE::IDs::all.size());
		EXPECT_TRUE(TableExists(L"Orlathen-Offsets-v2-1-14-70-0-1"));
	}

	TEST(IDResolution, ASteamGameReadsTheSteamFileIntoATableOfItsOwnName)
	{
		const sim::GameFolder game;
		std::filesystem::remove(game.plugins() / sim::address_library_name(kGameVersion, false));
		const SteamRuntime steam;
		ASSERT_TRUE(steam.loaded());

		REL::IDDatabase database;
		const auto path = database.addresslib_filename();
		EXPECT_EQ(path, std::filesystem::current_path().wstring() + L"\\Data\\SFSE\\Plugins\\versionlib-1-14-70-0.bin");
		EXPECT_EQ(database.platform(), 0);
		EXPECT_TRUE(database.is_steam());

		ASSERT_TRUE(database.load_file(path, kGameVersion));
		EXPECT_EQ(sim::game_base() + database.id2offset(RE::IDs::UI::IsMenuOpen.id()), sim::game_address(RE::IDs::UI::IsMenuOpen));
		EXPECT_TRUE(TableExists(L"Orlathen-Offsets-v2-1-14-70-0-0"));
	}

	TEST(IDResolution, ASecondPluginInTheProcessUsesTheSameTable)
	{
		const sim::GameFolder game;
		ASSERT_NE(RE::IDs::TESForm::LookupByID.address(), 0u);  // the test's own copy has loaded

		// The second plugin's file has the right header but entries that
		// would be fatal if they were read: it must map the table instead.
		REL::database::bytes_t broken;
		REL::database::append_header(broken, 2, kGameVersion, "", 8, static_cast<std::uint32_t>(RE::IDs::all.size()));
		broken.insert(broken.end(), RE::IDs::all.size(), std::byte{ 0x08 });
		ASSERT_TRUE(REL::database::write_file(game.plugins() / sim::address_library_name(kGameVersion, false), broken));

		const HMODULE plugin = ::LoadLibraryW((test::executable_folder() / L"rel_second_plugin.dll").c_str());
		ASSERT_NE(plugin, nullptr);
		sim::capture_message_boxes(plugin);
		const auto resolve = reinterpret_cast<std::uint64_t (*)(std::uint64_t)>(
			reinterpret_cast<void (*)()>(::GetProcAddress(plugin, "ResolveOffset")));
		ASSERT_NE(resolve, nullptr);
		for (const auto& entry : RE::IDs::all) {
			EXPECT_EQ(resolve(entry.id.id()), entry.id.offset()) << entry.name;
		}
		::FreeLibrary(plugin);
	}

	TEST(IDResolution, ThreadsRacingToTheFirstResolutionAllGetTheLoadedTable)
	{
		const sim::GameFolder game;
		REL::Module::get();  // as at plugin load, before any game thread
		REL::IDDatabase database;
		std::atomic<bool> go{ false };
		std::vector<std::uint64_t> offsets(8);
		std::vector<const void*> tables(8);
		std::vector<std::thread> threads;
		for (std::size_t i = 0; i < offsets.size(); ++i) {
			threads.emplace_back([&, i] {
				while (!go.load()) {
					std::this_thread::yield();
				}
				database.ensure_loaded();
				tables[i] = database.table().data();
				offsets[i] = database.id2offset(RE::IDs::PlayerActor.id());
			});
		}
		go = true;
		for (auto& thread : threads) {
			thread.join();
		}
		const auto expected = sim::game_address(RE::IDs::PlayerActor) - sim::game_base();
		for (std::size_t i = 0; i < offsets.size(); ++i) {
			EXPECT_EQ(offsets[i], expected);
			EXPECT_EQ(tables[i], database.table().data());
		}
	}

	TEST(IDResolutionDeathTest, AGameWithoutItsLibraryStopsAtTheFirstResolution)
	{
		const test::TempFolder folder(L"rel-resolution-missing");
		const auto resolveInChild = [&] {
			sim::capture_message_boxes(::GetModuleHandleW(nullptr));
			const sim::GameFolder game(folder.path());
			std::filesystem::remove(game.plugins() / sim::address_library_name(kGameVersion, true));
			std::filesystem::remove(game.plugins() / sim::address_library_name(kGameVersion, false));
			RE::IDs::TESForm::LookupByID.address();
			std::exit(0);
		};
		EXPECT_EXIT(resolveInChild(), testing::ExitedWithCode(1),
			AllOf(HasSubstr("message box [rel_resolution_tests.exe]: "),
				HasSubstr("): Failed to find address library file: \n"),
				HasSubstr("\\Data\\SFSE\\Plugins\\versionlib-1-14-70-0-1.bin")));
	}

	TEST(IDResolutionDeathTest, ABrokenSteamLibraryNamesTheSteamPlatform)
	{
		const test::TempFolder folder(L"rel-resolution-steam");
		const auto resolveInChild = [&] {
			sim::capture_message_boxes(::GetModuleHandleW(nullptr));
			const sim::GameFolder game(folder.path());
			auto file = REL::database::pack(kGameVersion, sim::game_address_library());
			file.resize(file.size() - 1);
			REL::database::write_file(game.plugins() / sim::address_library_name(kGameVersion, true), file);
			const SteamRuntime steam;
			RE::IDs::TESForm::LookupByID.address();
			std::exit(0);
		};
		EXPECT_EXIT(resolveInChild(), testing::ExitedWithCode(1),
			AllOf(HasSubstr("): Failed to locate an appropriate address library with the path: "),
				HasSubstr("\\Data\\SFSE\\Plugins\\versionlib-1-14-70-0.bin\nThis means"),
				HasSubstr("\nCurrent version: 1.14.70.0\nCurrent platform: Steam")));
	}

	TEST(IDResolutionDeathTest, AnIdTheLibraryLacksIsFatalAtResolution)
	{
		const test::TempFolder folder(L"rel-resolution-lacks");
		const auto resolveInChild = [&] {
			sim::capture_message_boxes(::GetModuleHandleW(nullptr));
			const sim::GameFolder game(folder.path());
			REL::ID(2241915).address();  // between two string value slots
			std::exit(0);
		};
		EXPECT_EXIT(resolveInChild(), testing::ExitedWithCode(1),
			HasSubstr("): Failed to find the id within the address library: 2241915\nCompiled IDDatabase version: 2\n"));
	}

	TEST(IDResolutionDeathTest, AnOffsetOutsideTheGameIsFatalAtResolution)
	{
		const test::TempFolder folder(L"rel-resolution-outside");
		const auto resolveInChild = [&] {
			sim::capture_message_boxes(::GetModuleHandleW(nullptr));
			const sim::GameFolder game(folder.path());
			// Every header check passes; one entry points past the image.
			auto entries = sim::game_address_library();
			for (auto& entry : entries) {
				if (entry.id == RE::IDs::TESForm::LookupByID.id()) {
					entry.offset = 0x7FFF0000;
				}
			}
			REL::database::write_file(game.plugins() / sim::address_library_name(kGameVersion, false), REL::database::pack(kGameVersion, entries));
			RE::IDs::TESForm::LookupByID.address();
			std::exit(0);
		};
		EXPECT_EXIT(resolveInChild(), testing::ExitedWithCode(1),
			HasSubstr("): The address library maps id 86125 to offset 0x7FFF0000, outside the game executable (0x"));
	}
}
