#pragma once
// Edits to Tarmacor.ini or TarmacorCustom.ini take effect while the game
// runs: a thread of the plugin's own waits for the system to report a change
// in the plugin folder (nothing is done per frame), waits until the changed
// file has been still for a moment (editors save in several steps) and can
// be read, then reloads as a save does and reapplies the current profile.
// Changes to other files, and files as the last reload read them, start
// nothing; with bReloadOnFileChange off, nothing does.

// Starts the watcher, once per process; false, with one error line saying
// why, when the system won't report changes in the plugin folder (the
// plugin runs on without it).
bool StartIniFileWatcher();

// Ends the watcher and waits for its thread (tests: the plugin keeps it for
// the life of the process).
void StopIniFileWatcher();
