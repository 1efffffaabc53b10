#include "PatchTest.h"

#include "Logging.h"
#include "PluginInfo.h"
#include "sim/GameIndex.h"
#include "sim/GameSettings.h"

namespace test
{
	PatchTest::PatchTest()
	{
		bLogging = true;
		GameModuleHandle = sim::game_base();
		sim::settings::reset();
		sim::reset_code_sites();
		memory.clear();
	}

	PatchTest::~PatchTest()
	{
		bLogging = true;
	}

	std::vector<std::uint8_t> PatchTest::BytesAt(std::uintptr_t a_address, std::size_t a_size)
	{
		const auto* bytes = reinterpret_cast<const std::uint8_t*>(a_address);
		return { bytes, bytes + a_size };
	}
}
