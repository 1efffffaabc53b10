#include "Lifecycle/InitializeGameData.h"

#include <array>
#include <cstdint>

#include "Helpers/FormLookup.h"
#include "Lifecycle/ShowErrorAndExit.h"
#include "RE/PlayerActor.h"
#include "RE/PlayerCamera.h"
#include "RE/UI.h"
#include "Runtime/ApplyProfile.h"
#include "Runtime/SteadyClock.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "Settings/GlobalSettings.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"
#include "State/RuntimeWork.h"
#include "State/SharedState.h"
#include "State/StringValues.h"

namespace
{
	// The message for a slot without an address; there is no code 04.
	constexpr std::array<const char*, 9> kMissingSlotTexts{
		"Internal error: code 01",
		"Internal error: code 02",
		"Internal error: code 03",
		"Internal error: code 05",
		"Internal error: code 06",
		"Internal error: code 07",
		"Internal error: code 08",
		"Internal error: code 09",
		"Internal error: code 010",
	};
}

std::array<StringValueSlot, 9> CaptureStringValueSlots(const std::array<std::uint64_t*, 9>& a_addresses)
{
	std::array<StringValueSlot, 9> slots{};
	for (std::size_t i = 0; i < a_addresses.size(); ++i) {
		auto* address = a_addresses[i];
		if (!address) {
			ShowErrorAndExit(kMissingSlotTexts[i]);
		}
		slots[i] = { address, *address };
	}
	return slots;
}

CapturedGameData CaptureGameData()
{
	CapturedGameData captured;
	captured.stringValueSlots = CaptureStringValueSlots(GetStringValueSlotAddresses());
	captured.player = RE::PlayerActor::GetSingleton();
	captured.ui = RE::UI::GetSingleton();
	captured.camera = RE::PlayerCamera::GetSingleton();
	captured.player3D = Update3DVFuncStruct::GetPlayer3DOf(captured.player);
	captured.formSFBGS004_017 = GetFormFromFile("017", "SFBGS004.esm");
	captured.form23C01 = RE::TESForm::LookupByID(0x23C01);
	captured.form3BD86 = RE::TESForm::LookupByID(0x3BD86);
	return captured;
}

void InitializeGameData(const CapturedGameData& a_captured)
{
	for (std::size_t i = 0; i < a_captured.stringValueSlots.size(); ++i) {
		StoreShared(StringValueSlots[i].address, a_captured.stringValueSlots[i].address);
		StoreShared(StringValueSlots[i].savedValue, a_captured.stringValueSlots[i].savedValue);
	}
	if (LoadShared(iTestStringValues) > 0) {
		CopyFirstStringValueInto(StringValueGroup::kA);
	}
	StoreShared(PlayerRef, a_captured.player);
	StoreShared(UIRef, a_captured.ui);
	StoreShared(PlayerCameraRef, a_captured.camera);
	StoreShared(Player3D, a_captured.player3D);
	StoreShared(FormSFBGS004_017, a_captured.formSFBGS004_017);
	StoreShared(Form23C01, a_captured.form23C01);
	StoreShared(Form3BD86, a_captured.form3BD86);

	const auto now = GetSteadyClockNanoseconds();
	CompanionChatterClock = now;
	StoreShared(LastSaveLoadTime, now);

	// INI files without a single profile leave nothing to apply; the game
	// keeps its own settings.
	if (Profiles.empty()) {
		LOG_WARNING("can't apply Default profile | Profiles.size == 0");
		return;
	}
	ApplyProfile(Profiles.front());
}

void InitializeGameData()
{
	RunOnRuntime([captured = CaptureGameData()] { InitializeGameData(captured); });
}
