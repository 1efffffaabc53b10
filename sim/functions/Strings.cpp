#include "sim/functions/Areas.h"
#include "sim/functions/Rows.h"
#include "sim/world/World.h"

namespace sim
{
	namespace
	{
		game::GameString* ConstructGameString(game::GameString* a_string, const char* a_text, std::uint32_t a_flags)
		{
			auto& world = sim::world();
			world.calls.record("GameString", a_string, a_text, a_flags);
			a_string->entry = a_text ? world.strings.intern(a_text) : nullptr;
			return a_string;
		}

		void ReleaseGameString(game::GameString* a_string)
		{
			sim::world().calls.record("GameString::Release", a_string);
			a_string->entry = nullptr;
		}
	}

	std::span<const GameItem> strings_rows()
	{
		using namespace RE::IDs;
		auto& slots = world().strings.valueSlots;
		static const std::array rows{
			function_row(GameString::GameString, &ConstructGameString),
			function_row(GameString::Release, &ReleaseGameString),
			data_row(StringValueSlots[0], slots[0]),
			data_row(StringValueSlots[1], slots[1]),
			data_row(StringValueSlots[2], slots[2]),
			data_row(StringValueSlots[3], slots[3]),
			data_row(StringValueSlots[4], slots[4]),
			data_row(StringValueSlots[5], slots[5]),
			data_row(StringValueSlots[6], slots[6]),
			data_row(StringValueSlots[7], slots[7]),
			data_row(StringValueSlots[8], slots[8]),
		};
		return rows;
	}
}
