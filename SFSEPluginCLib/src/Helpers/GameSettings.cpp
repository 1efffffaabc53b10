#include "Helpers/GameSettings.h"

#include <exception>

#include "RE/IDs.h"
#include "RE/Setting.h"
#include "REL/ID.h"
#include "Settings/Logging.h"
#include "Settings/ValueParsing.h"
#include "Settings/ValueText.h"

RE::Setting* FindGameSetting(const char* a_name)
{
	if (!a_name) {
		return nullptr;
	}
	// Resolved once: the game's items stay where they are for the life of the
	// process.
	static const REL::Relocation<RE::SettingCollection**> collection{ RE::IDs::SettingCollection };
	static const REL::Relocation<RE::Setting*(RE::SettingCollection*, const char*)> lookupByName{ RE::IDs::Setting::LookupByName };

	// The game fills its global while it starts; before that there is
	// nothing to search, and its lookup would read through null.
	auto* settings = *collection;
	if (!settings) {
		return nullptr;
	}
	return lookupByName(settings, a_name);
}

bool SetGameSetting(std::string sSetting, std::string sValue, int iSettingType)
{
	try {
		if (sSetting.empty()) {
			return false;
		}
		auto* setting = FindGameSetting(sSetting.c_str());
		if (!setting) {
			return false;
		}
		// "nan" and "inf" are no numbers to the parser, like any text
		// without digits: the game's camera limits stay finite.
		const auto value = ParseFloatValue(sValue);
		if (!value) {
			LOG_ERROR("exception: sSetting [", sSetting, "] sValue [", sValue, "] iSettingType [", iSettingType, "]");
			return false;
		}
		setting->SetFloat(*value);
		return true;
	} catch (const std::exception&) {
		// Only a log text can throw here (no memory left for it); the
		// setting is written or not, and the caller gets no exception.
		return false;
	}
}

std::string GetGameSetting(const std::string& a_name)
{
	try {
		if (a_name.empty()) {
			return {};
		}
		const auto* setting = FindGameSetting(a_name.c_str());
		return setting ? GetFloatText(setting->GetFloat()) : std::string{};
	} catch (const std::exception&) {
		return {};
	}
}

bool TryParseFloat(std::string_view a_text, float* a_out)
{
	if (!a_out || a_text.empty()) {
		return false;
	}
	if (a_text.find_first_not_of("-.0123456789") != std::string_view::npos) {
		return false;
	}
	const auto value = ParseFloatValue(a_text);
	if (!value) {
		return false;
	}
	*a_out = *value;
	return true;
}
