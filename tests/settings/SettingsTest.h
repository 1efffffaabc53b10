#pragma once
// A test of the settings code: a fresh game folder as the current directory
// (so ".\Data\SFSE\Plugins\" is its own), a fresh log, and the plugin's
// globals back at their start values.
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "IniText.h"
#include "Settings/Profile.h"
#include "TestLog.h"
#include "sim/GameFolder.h"

namespace test
{
	// A fresh record as the reader fills it when no key is given.
	Profile Defaults(std::string a_name);

	// Every field equal, floats to the bit.
	void ExpectSameProfile(const Profile& a_actual, const Profile& a_expected);

	// Log lines and lists of them, one after the other.
	std::vector<std::string> Lines(std::initializer_list<std::vector<std::string>> a_parts);

	// What reloading the settings writes about the INI files, each line
	// worded in this one place.
	namespace reload_log
	{
		extern const std::string NoVanillaIni;
		extern const std::string NoCustomIni;
		extern const std::string ReadingVanilla;
		extern const std::string ReadingCustom;
		// The [Global] values as the reload reports them, in its order.
		std::vector<std::string> Globals(int a_logging, int a_backup, int a_testStringValues, int a_reloadOnFileChange = 1);
		// Neither file gave a section: no profile, and logging goes off.
		extern const std::vector<std::string> NoProfiles;
		// A reload of everything in a plugin folder without INI files.
		extern const std::vector<std::string> NoIniFiles;
	}

	class SettingsTest : public testing::Test
	{
	protected:
		SettingsTest();

		// A file in the plugin folder.
		std::filesystem::path PluginFile(std::string_view a_name) const;
		void WritePluginFile(std::string_view a_name, std::string_view a_bytes) const;
		std::string ReadPluginFile(std::string_view a_name) const;
		bool PluginFileExists(std::string_view a_name) const;

		// "<level>: <message>" of every log line so far.
		std::vector<std::string> Entries() const { return log.entries(); }

		sim::GameFolder game;
		TestLog log;
	};
}
