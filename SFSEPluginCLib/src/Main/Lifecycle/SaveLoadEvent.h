#pragma once
// A game was saved or loaded: reloads both INI files and reapplies the
// active profile, unless the previous event lies less than 3001 ms back.
void HandleSaveLoadEvent();
