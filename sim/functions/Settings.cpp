#include "sim/functions/Areas.h"
#include "sim/functions/Rows.h"
#include "sim/world/World.h"

namespace sim
{
	namespace
	{
		game::Setting* LookupSettingByName(game::SettingCollection* a_collection, const char* a_name)
		{
			auto& world = sim::world();
			world.calls.record("LookupSettingByName", a_collection, a_name);
			world.settings.lookedUp.emplace_back(a_name ? a_name : "<null>");
			return a_collection == &world.settings.collection && a_name ? world.settings.find(a_name) : nullptr;
		}
	}

	std::span<const GameItem> settings_rows()
	{
		using namespace RE::IDs;
		static const std::array rows{
			function_row(Setting::LookupByName, &LookupSettingByName),
			data_row(SettingCollection, world().settings.collectionGlobal),
		};
		return rows;
	}
}
