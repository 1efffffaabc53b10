#pragma once
// Captures the game data the vehicle runtime works on (string value slots,
// player, UI, camera, the player's 3D, three forms, the clocks) and applies
// the first profile. Runs at installation and after the end credits; the
// caller holds SharedStateMutex.
void InitializeGameData();
