#pragma once
// Captures the game data the vehicle runtime works on (string value slots,
// player, UI, camera, the player's 3D, three forms) and puts it in force
// with the clocks, then applies the first profile. Runs at installation and
// after the end credits.
#include <array>
#include <cstdint>

#include "State/GameData.h"

// The game's objects as they are now.
struct CapturedGameData
{
	std::array<StringValueSlot, 9> stringValueSlots{};
	RE::Actor* player{ nullptr };
	RE::UI* ui{ nullptr };
	RE::PlayerCamera* camera{ nullptr };
	RE::NiAVObject* player3D{ nullptr };
	RE::TESForm* formSFBGS004_017{ nullptr };
	RE::TESForm* form23C01{ nullptr };
	RE::TESForm* form3BD86{ nullptr };
};

// Every slot's address and current value; shows "Internal error: code .."
// and ends the process at the first slot without an address.
std::array<StringValueSlot, 9> CaptureStringValueSlots(const std::array<std::uint64_t*, 9>& a_addresses);

// Asks the game: the slots (a slot without an address shows "Internal
// error: code .." and ends the process), the globals, the player's 3D, the
// forms. Holds no lock of ours while the game answers.
CapturedGameData CaptureGameData();

// Puts a_captured in force, sets both clocks and applies the first profile.
// The caller holds RuntimeMutex.
void InitializeGameData(const CapturedGameData& a_captured);

// Captures, then puts in force through the runtime's queue.
void InitializeGameData();
