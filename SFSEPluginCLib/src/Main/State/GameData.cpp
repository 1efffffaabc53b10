#include "State/GameData.h"

#include "RE/UI.h"
#include "State/SharedState.h"

RE::Actor* PlayerRef = nullptr;
RE::UI* UIRef = nullptr;
RE::PlayerCamera* PlayerCameraRef = nullptr;
RE::NiAVObject* Player3D = nullptr;
RE::TESForm* FormSFBGS004_017 = nullptr;
RE::TESForm* Form23C01 = nullptr;
RE::TESForm* Form3BD86 = nullptr;
std::array<StringValueSlot, 9> StringValueSlots{};
std::int64_t CompanionChatterClock = 0;
std::int64_t LastSaveLoadTime = 0;

RE::UI* GetUIToAsk()
{
	if (auto* ui = LoadShared(UIRef)) {
		return ui;
	}
	return RE::UI::GetSingleton();
}
