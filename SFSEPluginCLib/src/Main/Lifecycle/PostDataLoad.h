#pragma once
#include "SFSE/Interfaces.h"

// The host's message listener: everything is installed once the game's data
// has loaded.
void HandleOnPostDataLoad(SFSE::MessagingInterface::Message* a_message);
