#pragma once
// The game data the vehicle runtime works on: captured when the game's data
// has loaded, refreshed by the per-frame hook while a video or the end
// credits play. Plain pointers: the game owns every object. Written by the
// holder of RuntimeMutex only; each value is loaded and stored whole, since
// frames read them without a lock (State/SharedState.h).
#include <array>
#include <cstdint>

namespace RE
{
	class Actor;
	class NiAVObject;
	class PlayerCamera;
	class TESForm;
	class UI;
}

// One of the game's nine string value slots: where it lies and what it held
// when it was captured.
struct StringValueSlot
{
	std::uint64_t* address{ nullptr };
	std::uint64_t savedValue{ 0 };
};

extern RE::Actor* PlayerRef;
extern RE::UI* UIRef;
extern RE::PlayerCamera* PlayerCameraRef;
// The player's root scene node.
extern RE::NiAVObject* Player3D;

// Form "017" of SFBGS004.esm: vehicles are handled only when they match it.
extern RE::TESForm* FormSFBGS004_017;
// Companions qualify as passengers when they match one of these.
extern RE::TESForm* Form23C01;
extern RE::TESForm* Form3BD86;

extern std::array<StringValueSlot, 9> StringValueSlots;

// Steady-clock nanoseconds of the last dialogue the chatter hotkey started
// and of the last save/load event.
extern std::int64_t CompanionChatterClock;
extern std::int64_t LastSaveLoadTime;

// The UI object to ask about menus: the captured one, else the game's global
// for this call (the game isn't asked without one).
RE::UI* GetUIToAsk();
