#pragma once
// Views switched while driving: each press of the profile's iCycleViewHotkey
// (not each frame it is held) applies the next view of the active profile
// in load order, then the profile itself again (Settings/ProfileViews.h).
// CurrentProfile holds the profile as the view in force makes it, so that
// whatever restores the profile's values (the rear view's yaw) restores the
// view's. Under RuntimeMutex, as the rest of the runtime.
#include <cstddef>
#include <string>

// Where the player is: 1 for the profile itself, 2 on for its views in load
// order; and the label of the view in force (which a reload looks for).
extern std::size_t ActiveViewPosition;
extern std::string ActiveViewLabel;

// After a reload made the current profile current again: the view of the
// same label if the profile still has one, else the profile itself (a line
// says which, only when a view was in force). Applies nothing.
void KeepActiveViewAfterReload();

// A change of vehicle starts from the profile itself.
void ForgetActiveView() noexcept;

// A pass the runtime doesn't run (paused, out of the vehicle): a key held
// through it must go up before it counts as a press.
void IgnoreCycleViewKeyUntilReleased() noexcept;
