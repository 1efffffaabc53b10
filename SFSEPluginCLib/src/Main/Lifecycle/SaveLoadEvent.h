#pragma once
// A game was saved or loaded: reloads both INI files and reapplies the
// active profile, unless the previous event lies less than 3001 ms back.
#include <string_view>

void HandleSaveLoadEvent();

// After a reload: the profile named like the current one becomes current
// again, else the first; then the profiles go to the log and the current one
// is applied. Lines under a_caller's name. The caller holds RuntimeMutex.
void ReapplyCurrentProfile(std::string_view a_caller);
