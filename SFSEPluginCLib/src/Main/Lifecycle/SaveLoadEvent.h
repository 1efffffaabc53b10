#pragma once
// A game was saved or loaded: asks the INI thread to reload both INI files
// and reapply the active profile, unless the previous event lies less than
// 3001 ms back. Returns at once.
#include <string_view>

void HandleSaveLoadEvent();

// After a reload: the profile named like the current one becomes current
// again, else the first, with a line under a_caller's name. The dump and
// applying it follow. The caller holds RuntimeMutex.
void FindCurrentProfileAgain(std::string_view a_caller);
