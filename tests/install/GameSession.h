#pragma once
// A test in the running game: a fresh world and game folder, the clock,
// keys and message boxes of the simulation, the plugin's globals at their
// start values, and the post-data-load message as the host sends it.
#include <future>
#include <initializer_list>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "IniText.h"
#include "Waiting.h"
#include "TestLog.h"
#include "sim/GameFolder.h"
#include "sim/platform/Clock.h"
#include "sim/world/World.h"

namespace test
{
	// INI lines joined with "\r\n".
	inline std::string Ini(std::initializer_list<std::string_view> a_lines) { return IniText(a_lines); }

	// A vanilla INI with logging on and one "Default" profile.
	extern const std::string LoggingIni;

	class GameSession : public testing::Test
	{
	protected:
		GameSession();
		~GameSession() override;

		void WritePluginFile(std::string_view a_name, std::string_view a_text) const;

		// The host's post-data-load message. Hooks and sinks go in once per
		// process; a fresh world has empty event sources, so the sinks are
		// registered with them again (with the sources that world has). The
		// INI thread runs without watching the folder: these tests say when
		// the files are read.
		void Install();

		static bool WaitForReloads() { return test::WaitForReloads(); }

		// "<level>: <message>" of every log line from a_first on.
		std::vector<std::string> EntriesFrom(std::size_t a_first) const;
		std::size_t EntryCount() const { return log.entries().size(); }

		// Another thread holds the runtime's lock (RuntimeMutex) for the
		// object's life, as a frame or an event handler does.
		class RuntimeHeldElsewhere
		{
		public:
			RuntimeHeldElsewhere();
			~RuntimeHeldElsewhere();

		private:
			std::promise<void> _release;
			std::thread _holder;
		};

		// Moves the game's steady clock on.
		void AdvanceMs(double a_milliseconds) { world.time.iSteadyNanoseconds += static_cast<std::int64_t>(a_milliseconds * 1'000'000.0); }

		sim::GameFolder game;
		TestLog log;
		sim::World& world;
		sim::ScopedClock clock;
	};
}
