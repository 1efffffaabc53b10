#include "GameSettings.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "GameIndex.h"

namespace sim::settings
{
	struct Collection
	{
		struct Entry
		{
			std::string name;
			GameSetting setting;
		};
		// Entries never move: the game hands out pointers to its settings.
		std::vector<std::unique_ptr<Entry>> entries;
	};

	namespace
	{
		// A float setting's virtual table, as far as anyone reads it.
		const void* const FloatSettingVTable[4]{};

		struct Default
		{
			const char* name;
			float value;
		};

		// The game's own values (the spring constants move the camera, the
		// aim time scale halves the speed while aiming).
		constexpr Default Defaults[]{
			{ "fVehicleCameraFirstPersonMaxPitch", 45.0f },
			{ "fVehicleCameraFirstPersonMinPitch", -30.0f },
			{ "fVehicleFirstPersonCameraTranslationSpringConstantsX:Vehicle", 250.0f },
			{ "fVehicleFirstPersonCameraOrientationSpringConstantsX:Vehicle", 300.0f },
			{ "fVehicleFirstPersonCameraTranslationSpringConstantsY:Vehicle", 250.0f },
			{ "fVehicleFirstPersonCameraOrientationSpringConstantsY:Vehicle", 300.0f },
			{ "fVehicleFirstPersonCameraTranslationSpringConstantsZ:Vehicle", 250.0f },
			{ "fVehicleFirstPersonCameraOrientationSpringConstantsZ:Vehicle", 300.0f },
			{ "fVehicleDriverHeadTranslationMaxZ:Vehicle", 0.25f },
			{ "fVehicleDriverHeadTranslationMinZ:Vehicle", -0.25f },
			{ "fVehicleCameraFirstPersonMaxAbsYaw", 60.0f },
			{ "fVehicleCameraFirstPersonAimingMaxAbsYaw", 75.0f },
			{ "fVehicleDriverHeadTranslationMinY:Vehicle", -0.3f },
			{ "fVehicleDriverHeadTranslationMaxY:Vehicle", 0.3f },
			{ "fVehicleDriverHeadTranslationMinX:Vehicle", -0.2f },
			{ "fVehicleDriverHeadTranslationMaxX:Vehicle", 0.2f },
			{ "fVehicleAimModeTimeScale", 0.5f },
		};

		Collection& the_collection()
		{
			static Collection collection;
			return collection;
		}

		std::vector<LookupCall>& calls()
		{
			static std::vector<LookupCall> recorded;
			return recorded;
		}
	}

	GameSetting* LookupByName(Collection* a_collection, const char* a_name)
	{
		calls().push_back({ a_collection, a_name ? a_name : "<null>" });
		if (!a_collection || !a_name) {
			return nullptr;
		}
		const auto same = [&](const std::unique_ptr<Collection::Entry>& a_entry) { return a_entry->name == a_name; };
		const auto it = std::find_if(a_collection->entries.begin(), a_collection->entries.end(), same);
		return it == a_collection->entries.end() ? nullptr : &(*it)->setting;
	}

	void reset()
	{
		auto& entries = the_collection().entries;
		entries.clear();
		for (const auto& [name, value] : Defaults) {
			auto entry = std::make_unique<Collection::Entry>();
			entry->name = name;
			entry->setting = { FloatSettingVTable, value, 0, nullptr };
			entry->setting.name = entry->name.c_str();
			entries.push_back(std::move(entry));
		}
		calls().clear();
		game::SettingCollection = &the_collection();
	}

	const std::vector<std::string>& known_names()
	{
		static const std::vector<std::string> names = [] {
			std::vector<std::string> result;
			for (const auto& item : Defaults) {
				result.emplace_back(item.name);
			}
			return result;
		}();
		return names;
	}

	void remove(std::string_view a_name)
	{
		auto& entries = the_collection().entries;
		std::erase_if(entries, [&](const std::unique_ptr<Collection::Entry>& a_entry) { return a_entry->name == a_name; });
	}

	void clear_global() { game::SettingCollection = nullptr; }

	GameSetting* find(std::string_view a_name)
	{
		for (auto& entry : the_collection().entries) {
			if (entry->name == a_name) {
				return &entry->setting;
			}
		}
		return nullptr;
	}

	float value(std::string_view a_name)
	{
		const auto* setting = find(a_name);
		if (!setting) {
			throw std::invalid_argument("the game has no setting " + std::string(a_name));
		}
		return setting->fValue;
	}

	void set(std::string_view a_name, float a_value)
	{
		auto* setting = find(a_name);
		if (!setting) {
			throw std::invalid_argument("the game has no setting " + std::string(a_name));
		}
		setting->fValue = a_value;
	}

	Collection* collection() { return &the_collection(); }

	const std::vector<LookupCall>& lookups() { return calls(); }
}
