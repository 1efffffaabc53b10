#include "sim/functions/Areas.h"
#include "sim/functions/Rows.h"
#include "sim/world/World.h"

namespace sim
{
	namespace
	{
		void SetTimeMultiplier(void* a_unused, float a_multiplier, float a_third)
		{
			auto& world = sim::world();
			world.calls.record("SetTimeMultiplier", a_unused, a_multiplier, a_third);
			world.time.fCurrentTimeMultiplier = a_multiplier;
		}
	}

	std::span<const GameItem> time_rows()
	{
		using namespace RE::IDs;
		auto& time = world().time;
		static const std::array rows{
			function_row(RE::IDs::SetTimeMultiplier, &SetTimeMultiplier),
			data_row(CurrentTimeMultiplier, time.fCurrentTimeMultiplier),
			data_row(GlobalTimeMultiplier, time.fGlobalTimeMultiplier),
		};
		return rows;
	}
}
