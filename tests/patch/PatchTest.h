#pragma once
// A test of what reaches the running game: the game's settings and code at
// their own values, the game's base known to the plugin, a fresh log with
// the plugin's lines on, and the game module's protection changes watched.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Helpers/AddressText.h"
#include "Settings/Logging.h"
#include "TestLog.h"
#include "sim/GameFolder.h"
#include "sim/GameIndex.h"
#include "sim/platform/CodeMemory.h"
#include "sim/world/World.h"

namespace test
{
	// The game's settings as these tests use them.
	namespace settings
	{
		inline sim::Settings& area() { return sim::world().settings; }
		inline sim::game::Setting* find(std::string_view a_name) { return area().find(a_name); }
		inline float value(std::string_view a_name)
		{
			const auto* setting = find(a_name);
			if (!setting) {
				throw std::invalid_argument("the game has no setting " + std::string(a_name));
			}
			return setting->value;
		}
		inline void set(std::string_view a_name, float a_value) { find(a_name)->value = a_value; }
		inline void remove(std::string_view a_name) { area().remove(a_name); }
		// The world as the game starts, settings and all.
		inline void reset() { sim::world().reset(); }
		inline const std::vector<std::string>& lookups() { return area().lookedUp; }
		inline std::vector<std::string> known_names()
		{
			std::vector<std::string> names;
			for (const auto& setting : sim::kGameSettings) {
				names.emplace_back(setting.name);
			}
			return names;
		}
	}

	class PatchTest : public testing::Test
	{
	protected:
		PatchTest()
		{
			bLogging = true;
			GameModuleHandle = sim::game_base();
			sim::world().reset();
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
