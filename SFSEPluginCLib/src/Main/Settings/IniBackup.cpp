#include "Settings/IniBackup.h"

#include <cstdio>

#include <windows.h>

#include "Settings/IniFile.h"
#include "Settings/Logging.h"

void CreateBackupOfINI(std::string a_baseName)
{
	const std::string folder(GetPluginFolder());
	const std::string sourceName = a_baseName + ".ini";
	const std::string backupName = a_baseName + "_backup.ini";
	const std::string source = folder + sourceName;
	const std::string backup = folder + backupName;

	if (!DoesFileExistEx(folder, sourceName)) {
		LOG_ERROR("could not create backup of INI [", source, "] to INI [", backup, "] | DoesFileExistEx");
		return;
	}

	if (DoesFileExistEx(folder, backupName)) {
		if (std::remove(backup.c_str()) == 0) {
			LOG_INFO("removed old backup");
		} else {
			LOG_ERROR("could not remove old backup");
		}
	}

	// Never overwrites: an old backup that could not be removed stays as it is.
	if (!::CopyFileA(source.c_str(), backup.c_str(), TRUE)) {
		LOG_ERROR("could not create backup of INI [", source, "] to INI [", backup, "]");
		return;
	}
	LOG_INFO("created backup of INI [", source, "] to INI [", backup, "]");
}
