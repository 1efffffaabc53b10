#pragma once
// The scripted drive SimStarfield plays once the plugin has installed
// itself: a vehicle with its own profile entered, the rear view and slow
// time held and released, TarmacorCustom.ini edited while driving, the
// chatter hotkey with a companion riding along, an idle line, a save and a
// load 2.5 s apart, the vehicle left, the end credits closed. After each
// step it prints what changed in the game beside the plugin's new log lines
// (the profile dumps after the first folded into one line each);
// after the save, the load and the end credits, once the log has been still
// for a moment, as the plugin may finish its work after the event returns.
#include <cstddef>
#include <filesystem>
#include <functional>

namespace sim
{
	struct DriveOptions
	{
		std::filesystem::path log;  // the plugin's log file
		// Sends the post-data-load message; the number of listeners reached.
		std::function<std::size_t()> loadData;
	};

	void drive(const DriveOptions& a_options);
}
