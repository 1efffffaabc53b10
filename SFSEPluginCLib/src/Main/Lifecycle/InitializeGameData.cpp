#include "Lifecycle/InitializeGameData.h"

#include "Helpers/FormLookup.h"
#include "Lifecycle/GameData.h"
#include "Lifecycle/SharedState.h"
#include "Lifecycle/StringValues.h"
#include "RE/PlayerActor.h"
#include "RE/PlayerCamera.h"
#include "RE/UI.h"
#include "Runtime/ApplyProfile.h"
#include "Runtime/SteadyClock.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "Settings/GlobalSettings.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"

void InitializeGameData()
{
	CaptureStringValueSlots(GetStringValueSlotAddresses());
	if (iTestStringValues > 0) {
		CopyFirstStringValueInto(StringValueGroup::kA);
	}

	StoreShared(PlayerRef, RE::PlayerActor::GetSingleton());
	StoreShared(UIRef, RE::UI::GetSingleton());
	StoreShared(PlayerCameraRef, RE::PlayerCamera::GetSingleton());
	StoreShared(Player3D, Update3DVFuncStruct::GetPlayer3D());

	StoreShared(FormSFBGS004_017, GetFormFromFile("017", "SFBGS004.esm"));
	StoreShared(Form23C01, RE::TESForm::LookupByID(0x23C01));
	StoreShared(Form3BD86, RE::TESForm::LookupByID(0x3BD86));

	const auto now = GetSteadyClockNanoseconds();
	CompanionChatterClock = now;
	LastSaveLoadTime = now;

	// INI files without a single profile leave nothing to apply; the game
	// keeps its own settings.
	if (Profiles.empty()) {
		LOG_WARNING("can't apply Default profile | Profiles.size == 0");
		return;
	}
	ApplyProfile(Profiles.front());
}
