#include "GameSession.h"

#include <windows.h>

#include "Lifecycle/EventSinks.h"
#include "Lifecycle/IniFileStamps.h"
#include "Lifecycle/IniFileThread.h"
#include "Lifecycle/PostDataLoad.h"
#include "PluginFile.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "Settings/GlobalSettings.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"
#include "State/GameData.h"
#include "State/SharedState.h"
#include "sim/host/Host.h"
#include "sim/platform/Keys.h"
#include "sim/platform/MessageBoxes.h"

namespace test
{
	const std::string LoggingIni = Ini({ "[Default]", "bSmartAim=1", "[Global]", "bLogging=1" });

	GameSession::GameSession() :
		world(sim::world()),
		clock(::GetModuleHandleW(nullptr))
	{
		world.reset();
		static const bool redirected = [] {
			auto* self = ::GetModuleHandleW(nullptr);
			sim::redirect_keys(self);
			sim::capture_message_boxes(self);
			return true;
		}();
		(void)redirected;
		bLogging = true;
		Profiles.clear();
		CurrentProfile = Profile{};
		iTestStringValues = 0;
		RearViewState = 0;
	}

	GameSession::~GameSession()
	{
		bLogging = true;
		world.reset();
	}

	void GameSession::WritePluginFile(std::string_view a_name, std::string_view a_text) const
	{
		test::WritePluginFile(game.plugins(), a_name, a_text);
	}

	void GameSession::Install()
	{
		sim::send_message(HandleOnPostDataLoad, SFSE::MessagingInterface::kPostDataLoad);
		// These tests change the INI files and say when the plugin reads
		// them: the thread reads when asked, without waiting for the files
		// to keep still, and doesn't watch the folder. Its own tests start
		// it as the plugin does.
		StopIniFileThread();
		IniFileThreadOptions options;
		options.bWatchFolder = false;
		options.iStillForMs = 0;
		StartIniFileThread(GetIniFileStamps(), options);
		if (world.events.saveLoad.count == 0 && world.menus.ui.menuOpenCloseSource.count == 0) {
			RegisterEventSinks();
		}
	}

	GameSession::RuntimeHeldElsewhere::RuntimeHeldElsewhere()
	{
		std::promise<void> held;
		auto isHeld = held.get_future();
		_holder = std::thread([&held, release = _release.get_future()] {
			const std::lock_guard lock(RuntimeMutex);
			held.set_value();
			release.wait();
		});
		isHeld.wait();
	}

	GameSession::RuntimeHeldElsewhere::~RuntimeHeldElsewhere()
	{
		_release.set_value();
		_holder.join();
	}

	std::vector<std::string> GameSession::EntriesFrom(std::size_t a_first) const
	{
		auto entries = log.entries();
		entries.erase(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(std::min(a_first, entries.size())));
		return entries;
	}
}
