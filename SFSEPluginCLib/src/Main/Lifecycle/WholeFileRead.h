#pragma once
// Reading both INI files once each can be seen whole: none held open by an
// editor or failing to open, none gone for less than a while (a safe save
// brings it back), both kept still for a moment (an editor's save is
// several writes), and neither changed while it was read. A read that
// couldn't see them whole puts nothing in force.
#include <optional>
#include <string_view>

#include "Lifecycle/IniFileStamps.h"
#include "Lifecycle/Reloads.h"

// The INI thread's name in the log.
inline constexpr std::string_view IniThreadLogName = "WatchIniFiles";

struct WholeReadWaits
{
	void* stop;  // an event: once set, every wait ends
	unsigned long iStillForMs;
	unsigned long iHeldForAtMostMs;
	unsigned long iAbsentForMs;
};

// Until both files have kept still for the still time (at once when neither
// was written within it); false when asked to stop.
bool WaitUntilIniFilesAreStill(const WholeReadWaits& a_waits);

// Whether a file is there that can't be opened for reading now.
bool IsAnIniFileBlocked();

enum class WholeReadEnd
{
	kRead,
	kStopped,
	kHeldTooLong,  // a file stayed held past the bound: one error line
};

struct WholeRead
{
	WholeReadEnd eEnd;
	std::optional<SettingsReload> reload;
};

// a_inForce: the files as the set in force read them; one that was there
// then and is gone now is waited for.
WholeRead ReadWholeIniFiles(const WholeReadWaits& a_waits, const IniFileStamps& a_inForce);
