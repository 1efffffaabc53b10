#pragma once
// The game's settings: float settings found by name in the collection.
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace sim
{
	namespace game
	{
		struct Setting
		{
			const void* vtable;
			float value;  // 0x8
			std::byte pad0C[4];
			const char* name;
		};
		static_assert(offsetof(Setting, value) == 0x8);

		struct SettingCollection
		{
			const void* vtable;
		};
	}

	struct Settings
	{
		game::SettingCollection collection{};
		game::SettingCollection* collectionGlobal{ nullptr };  // setting collection
		std::deque<std::string> names;
		std::deque<game::Setting> settings;

		game::Setting& add(std::string_view a_name, float a_value);
		// The setting of that exact name; null for none.
		game::Setting* find(std::string_view a_name);
	};
}
