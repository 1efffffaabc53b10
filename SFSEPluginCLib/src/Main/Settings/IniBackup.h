#pragma once
// A copy of the vanilla INI as the plugin last found it, beside the file.
#include <string>

// Copies <base name>.ini to <base name>_backup.ini in the plugin folder,
// replacing an old backup. Every outcome is reported in the log only.
void CreateBackupOfINI(std::string a_baseName);
