#pragma once
// Makes one profile take effect in the game: the vehicle camera settings,
// Smart Aim's aim time scale and the Exit Anywhere instruction. Keeps no
// state; applying the same profile again changes nothing.
#include "Settings/Profile.h"

void ApplyProfile(Profile a_profile);
