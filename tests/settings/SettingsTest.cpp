#include "SettingsTest.h"

#include <bit>
#include <fstream>
#include <iterator>

#include "PluginFile.h"
#include "Settings/GlobalSettings.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"
#include "Settings/ValueText.h"

namespace test
{
	Profile Defaults(std::string a_name)
	{
		Profile p;
		p.sProfileName = std::move(a_name);
		FillValueTexts(p);
		return p;
	}

	void ExpectSameProfile(const Profile& a_actual, const Profile& a_expected)
	{
		const auto bits = [](float a_value) { return std::bit_cast<std::uint32_t>(a_value); };
#define TARMACOR_EXPECT_FIELD(a_field) EXPECT_EQ(a_actual.a_field, a_expected.a_field) << a_expected.sProfileName
#define TARMACOR_EXPECT_FLOAT(a_field) EXPECT_EQ(bits(a_actual.a_field), bits(a_expected.a_field)) << #a_field << " of " << a_expected.sProfileName
		TARMACOR_EXPECT_FIELD(sProfileName);
		TARMACOR_EXPECT_FIELD(iShowTimeEffectHotkey);
		TARMACOR_EXPECT_FIELD(iRearViewHotkey);
		TARMACOR_EXPECT_FIELD(iCompanionChatterHotkey);
		TARMACOR_EXPECT_FLOAT(fPlayerFirstPersonCameraOffsetMinX);
		TARMACOR_EXPECT_FLOAT(fPlayerFirstPersonCameraOffsetMaxY);
		TARMACOR_EXPECT_FLOAT(fPlayerFirstPersonCameraOffsetMaxZ);
		TARMACOR_EXPECT_FLOAT(fPlayerFirstPersonCameraOffsetMaxX);
		TARMACOR_EXPECT_FLOAT(fPlayerFirstPersonCameraOffsetMinY);
		TARMACOR_EXPECT_FLOAT(fPlayerFirstPersonCameraOffsetMinZ);
		TARMACOR_EXPECT_FLOAT(fPlayerFirstPersonCameraPanoramicAngleUp);
		TARMACOR_EXPECT_FLOAT(fPlayerFirstPersonCameraPanoramicAngleDown);
		TARMACOR_EXPECT_FLOAT(fPlayerFirstPersonCameraPanoramicAngleLeftRight);
		TARMACOR_EXPECT_FLOAT(fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode);
		TARMACOR_EXPECT_FIELD(bSmartAim);
		TARMACOR_EXPECT_FIELD(bRearView);
		TARMACOR_EXPECT_FIELD(bExitAnywhere);
		TARMACOR_EXPECT_FIELD(bCompanionChatter);
		TARMACOR_EXPECT_FIELD(bCompanionChatterAllowInThirdPerson);
		TARMACOR_EXPECT_FIELD(sPlayerFirstPersonCameraOffsetMinX);
		TARMACOR_EXPECT_FIELD(sPlayerFirstPersonCameraOffsetMaxY);
		TARMACOR_EXPECT_FIELD(sPlayerFirstPersonCameraOffsetMaxZ);
		TARMACOR_EXPECT_FIELD(sPlayerFirstPersonCameraOffsetMaxX);
		TARMACOR_EXPECT_FIELD(sPlayerFirstPersonCameraOffsetMinY);
		TARMACOR_EXPECT_FIELD(sPlayerFirstPersonCameraOffsetMinZ);
		TARMACOR_EXPECT_FIELD(sPlayerFirstPersonCameraPanoramicAngleUp);
		TARMACOR_EXPECT_FIELD(sPlayerFirstPersonCameraPanoramicAngleDown);
		TARMACOR_EXPECT_FIELD(sPlayerFirstPersonCameraPanoramicAngleLeftRight);
		TARMACOR_EXPECT_FIELD(sPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode);
#undef TARMACOR_EXPECT_FIELD
#undef TARMACOR_EXPECT_FLOAT
	}

	std::vector<std::string> Lines(std::initializer_list<std::vector<std::string>> a_parts)
	{
		std::vector<std::string> lines;
		for (const auto& part : a_parts) {
			lines.insert(lines.end(), part.begin(), part.end());
		}
		return lines;
	}

	namespace reload_log
	{
		const std::string NoVanillaIni = "error: [ReloadGlobalSettings] could not reload settings from VanillaINI | DoesIniExist";
		const std::string NoCustomIni = "warning: [ReloadGlobalSettings] could not reload settings from CustomINI | DoesIniExist";
		const std::string ReadingVanilla = "info: [ReloadGlobalSettings] reading settings from VanillaINI...";
		const std::string ReadingCustom = "info: [ReloadGlobalSettings] reading settings from CustomINI...";

		std::vector<std::string> Globals(int a_logging, int a_backup, int a_testStringValues, int a_reloadOnFileChange)
		{
			return { "info: [ReloadGlobalSettings] [Global] bLogging -> " + std::to_string(a_logging),
				"info: [ReloadGlobalSettings] [Global] bCreateVanillaINIBackup -> " + std::to_string(a_backup),
				"info: [ReloadGlobalSettings] [Global] iTestStringValues -> " + std::to_string(a_testStringValues),
				"info: [ReloadGlobalSettings] [Global] bReloadOnFileChange -> " + std::to_string(a_reloadOnFileChange) };
		}

		const std::vector<std::string> NoProfiles{
			"warning: [ReloadAllProfilesAndSettings] VanillaINISectionNames.size == 0",
			"warning: [ReloadAllProfilesAndSettings] CustomINISectionNames.size == 0",
			"info: [ReloadAllProfilesAndSettings] logging was requested to be turned off",
		};

		const std::vector<std::string> NoIniFiles = Lines({ { NoVanillaIni, NoCustomIni }, Globals(0, 1, 0), NoProfiles });
	}

	SettingsTest::SettingsTest()
	{
		bLogging = true;
		bCreateVanillaINIBackup = true;
		iTestStringValues = 0;
		bReloadOnFileChange = true;
		Profiles.clear();
		CurrentProfile = Profile{};
	}

	std::filesystem::path SettingsTest::PluginFile(std::string_view a_name) const
	{
		return game.plugins() / a_name;
	}

	void SettingsTest::WritePluginFile(std::string_view a_name, std::string_view a_bytes) const
	{
		test::WritePluginFile(game.plugins(), a_name, a_bytes);
	}

	std::string SettingsTest::ReadPluginFile(std::string_view a_name) const
	{
		std::ifstream file(PluginFile(a_name), std::ios::binary);
		return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
	}

	bool SettingsTest::PluginFileExists(std::string_view a_name) const
	{
		return std::filesystem::exists(PluginFile(a_name));
	}
}
