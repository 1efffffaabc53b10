#include "Settings/GlobalSettings.h"

#include <atomic>
#include <string>
#include <utility>

#include "Settings/IniFile.h"
#include "Settings/Logging.h"
#include "Settings/SectionNames.h"
#include "Settings/SectionReading.h"
#include "Settings/ValueParsing.h"

bool bCreateVanillaINIBackup = true;
std::int32_t iTestStringValues = 0;
bool bReloadOnFileChange = true;

namespace
{
	// The file's [Global] section, in one read.
	SectionReading ReadGlobalSection(std::string_view a_file)
	{
		return SectionReading(std::string(a_file), std::string(GlobalSectionName));
	}

	// Stores a given value from 1 to 254; anything else changes nothing.
	void ApplyTestStringValuesText(const std::string& a_text, std::int32_t& a_value)
	{
		if (const auto value = ParseIntegerValue(a_text); value && IsInAcceptedRange(*value)) {
			a_value = *value;
		}
	}
}

GlobalSettingsValues GetGlobalSettingsInForce() noexcept
{
	return { bLogging.load(std::memory_order_relaxed), std::atomic_ref(bCreateVanillaINIBackup).load(std::memory_order_relaxed),
		std::atomic_ref(iTestStringValues).load(std::memory_order_relaxed),
		std::atomic_ref(bReloadOnFileChange).load(std::memory_order_relaxed) };
}

void SwapGlobalSettingsInForce(GlobalSettingsValues& a_values) noexcept
{
	a_values.bLogging = bLogging.exchange(a_values.bLogging, std::memory_order_relaxed);
	a_values.bCreateVanillaINIBackup = std::atomic_ref(bCreateVanillaINIBackup).exchange(a_values.bCreateVanillaINIBackup, std::memory_order_relaxed);
	a_values.iTestStringValues = std::atomic_ref(iTestStringValues).exchange(a_values.iTestStringValues, std::memory_order_relaxed);
	a_values.bReloadOnFileChange = std::atomic_ref(bReloadOnFileChange).exchange(a_values.bReloadOnFileChange, std::memory_order_relaxed);
}

void ReloadGlobalSettings(bool* bLoggingTemp, GlobalSettingsValues* a_values)
{
	if (!bLoggingTemp || !a_values) {
		LOG_ERROR(bLoggingTemp ? "a_values is nullptr" : "bLoggingTemp is nullptr");
		return;
	}
	auto& values = *a_values;

	// Vanilla: a key it doesn't give falls back to the built-in value
	// (bLogging excepted, which stays with the caller).
	if (!DoesIniExist(std::string(VanillaIniName), "")) {
		LOG_ERROR("could not reload settings from VanillaINI | DoesIniExist");
	} else {
		LOG_INFO("reading settings from VanillaINI...");
		const auto global = ReadGlobalSection(VanillaIniName);
		if (const auto text = global.GetValue("bLogging"); !text.empty()) {
			*bLoggingTemp = ParseSwitchValue(text);
		}
		const auto backup = global.GetValue("bCreateVanillaINIBackup");
		values.bCreateVanillaINIBackup = backup.empty() || ParseSwitchValue(backup);
		if (const auto text = global.GetValue("iTestStringValues"); text.empty()) {
			values.iTestStringValues = 0;
		} else {
			ApplyTestStringValuesText(text, values.iTestStringValues);
		}
		const auto watch = global.GetValue("bReloadOnFileChange");
		values.bReloadOnFileChange = watch.empty() || ParseSwitchValue(watch);
	}

	// Custom: only the keys it gives change anything.
	if (!DoesIniExist(std::string(CustomIniName), "")) {
		if (!IsPluginLoggingOn()) {
			return;
		}
		LOG_WARNING("could not reload settings from CustomINI | DoesIniExist");
	} else {
		LOG_INFO("reading settings from CustomINI...");
		const auto global = ReadGlobalSection(CustomIniName);
		if (const auto text = global.GetValue("bLogging"); !text.empty()) {
			*bLoggingTemp = ParseSwitchValue(text);
		}
		if (const auto text = global.GetValue("bCreateVanillaINIBackup"); !text.empty()) {
			values.bCreateVanillaINIBackup = ParseSwitchValue(text);
		}
		if (const auto text = global.GetValue("iTestStringValues"); !text.empty()) {
			ApplyTestStringValuesText(text, values.iTestStringValues);
		}
		if (const auto text = global.GetValue("bReloadOnFileChange"); !text.empty()) {
			values.bReloadOnFileChange = ParseSwitchValue(text);
		}
	}

	LOG_INFO("[Global] bLogging -> ", static_cast<int>(*bLoggingTemp));
	LOG_INFO("[Global] bCreateVanillaINIBackup -> ", static_cast<int>(values.bCreateVanillaINIBackup));
	LOG_INFO("[Global] iTestStringValues -> ", values.iTestStringValues);
	LOG_INFO("[Global] bReloadOnFileChange -> ", static_cast<int>(values.bReloadOnFileChange));
}

void ReloadGlobalSettings(bool* bLoggingTemp)
{
	// bLogging is the caller's to change: it goes back as it was.
	auto values = GetGlobalSettingsInForce();
	ReloadGlobalSettings(bLoggingTemp, &values);
	SwapGlobalSettingsInForce(values);
}
