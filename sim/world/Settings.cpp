#include "sim/world/Settings.h"

#include <algorithm>

namespace sim
{
	game::Setting& Settings::add(std::string_view a_name, float a_value)
	{
		const auto& name = names.emplace_back(a_name);
		return settings.emplace_back(game::Setting{ nullptr, a_value, {}, name.c_str() });
	}

	game::Setting* Settings::find(std::string_view a_name)
	{
		const auto it = std::find_if(settings.begin(), settings.end(), [&](const game::Setting& a_setting) { return a_name == a_setting.name; });
		return it == settings.end() ? nullptr : &*it;
	}

	void Settings::remove(std::string_view a_name)
	{
		std::erase_if(settings, [&](const game::Setting& a_setting) { return a_name == a_setting.name; });
	}

	void Settings::add_game_settings()
	{
		for (const auto& [name, value] : kGameSettings) {
			add(name, value);
		}
	}
}
