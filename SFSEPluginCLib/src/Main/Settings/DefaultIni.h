#pragma once
// The vanilla INI the plugin writes on first start.

// Writes "Tarmacor.ini" in the plugin folder: the "Default" profile with the
// built-in values, then "Global" with logging off and backups on. Writes
// nothing when anything is already at that path, or its state is unknown:
// an existing file is never rewritten.
void CreateDefaultIni();
