#pragma once
// The game's settings in the simulation: one collection, reached through the
// global the game keeps a pointer to it in, and the game's lookup by name.
// Each setting is laid out as the game lays out a float setting: virtual
// table at byte 0, the value at byte 8, then its name.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sim::settings
{
	struct GameSetting
	{
		const void* vtable;
		float fValue;
		std::uint32_t padding;
		const char* name;
	};
	static_assert(offsetof(GameSetting, fValue) == 8);

	// The game's collection; the plugin only passes it back to the lookup.
	struct Collection;

	struct LookupCall
	{
		const Collection* collection;
		std::string name;
	};

	// The game's lookup: the setting of that name in a_collection, or null.
	// Every call is recorded.
	GameSetting* LookupByName(Collection* a_collection, const char* a_name);

	// Every setting the plugin writes, at the game's own values, the global
	// pointing at the collection, no calls recorded.
	void reset();

	// The names reset() provides.
	const std::vector<std::string>& known_names();

	// The game lacks this setting until the next reset().
	void remove(std::string_view a_name);
	// The game has no collection yet (its global holds null).
	void clear_global();

	// Null when the game lacks it.
	GameSetting* find(std::string_view a_name);
	float value(std::string_view a_name);
	void set(std::string_view a_name, float a_value);

	Collection* collection();
	const std::vector<LookupCall>& lookups();
}
