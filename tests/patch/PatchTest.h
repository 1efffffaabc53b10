#pragma once
// A test of what reaches the running game: the game's settings and code at
// their own values, the game's base known to the plugin, a fresh log with
// the plugin's lines on, and the game module's protection changes watched.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Logging.h"
#include "PluginInfo.h"
#include "TestLog.h"
#include "sim/CodeMemory.h"
#include "sim/GameFolder.h"
#include "sim/GameIndex.h"
#include "sim/GameSettings.h"

namespace test
{
	class PatchTest : public testing::Test
	{
	protected:
		PatchTest()
		{
			bLogging = true;
			GameModuleHandle = sim::game_base();
			sim::settings::reset();
			sim::reset_code_sites();
			memory.clear();
		}
		~PatchTest() override { bLogging = true; }

		// "<level>: <message>" of every log line so far.
		std::vector<std::string> Entries() const { return log.entries(); }
		static std::vector<std::uint8_t> BytesAt(std::uintptr_t a_address, std::size_t a_size)
		{
			const auto* bytes = reinterpret_cast<const std::uint8_t*>(a_address);
			return { bytes, bytes + a_size };
		}

		sim::GameFolder game;  // the address library, for the first resolution
		TestLog log;
		sim::CodeMemoryWatch memory;
	};
}
