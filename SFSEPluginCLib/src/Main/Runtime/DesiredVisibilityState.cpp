#include "Runtime/Update3DVFuncStruct.h"

#include <atomic>

#include "Helpers/AddressText.h"
#include "Helpers/FormLookup.h"
#include "RE/BSFadeNode.h"
#include "RE/PlayerActor.h"
#include "RE/PlayerCamera.h"
#include "RE/ReferenceLock.h"
#include "RE/UI.h"
#include "Runtime/CycleView.h"
#include "Settings/GlobalSettings.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"
#include "State/GameData.h"
#include "State/MenuState.h"
#include "State/RuntimeWork.h"
#include "State/SharedState.h"
#include "State/StringValues.h"

namespace
{
	enum : std::uint8_t
	{
		kNoVehicleView = 0,
		kFirstPersonView = 1,
	};

	// What the player's node got on the last pass that ran: a pass that
	// can't have the runtime's lock gives the same again.
	std::atomic<bool> bPlayerNodeGotZero{ false };

	// Slots 2 and 3 follow the view mode only while the test switch is off,
	// slots 4 to 9 unless it is 2.
	void FollowViewMode(std::uint8_t a_viewMode) noexcept
	{
		const auto test = LoadShared(iTestStringValues);
		const bool groupA = test == 0;
		const bool groupB = test != 2;
		if (a_viewMode == kFirstPersonView) {
			if (groupA) {
				CopyFirstStringValueInto(StringValueGroup::kA);
			}
			if (groupB) {
				CopyFirstStringValueInto(StringValueGroup::kB);
			}
		} else {
			if (groupA) {
				RestoreStringValues(StringValueGroup::kA);
			}
			if (groupB) {
				RestoreStringValues(StringValueGroup::kB);
			}
			if (LoadShared(RearViewState) != 0) {
				StoreShared(RearViewState, 0);
			}
		}
	}

	// A video or the end credits: the game may have made its objects anew.
	// One thread refreshes at a time; the others' nodes go on meanwhile.
	void RefreshCaches()
	{
		const RuntimeLock lock;
		if (!lock) {
			return;
		}
		StoreShared(PlayerRef, RE::PlayerActor::GetSingleton());
		StoreShared(UIRef, RE::UI::GetSingleton());
		StoreShared(PlayerCameraRef, RE::PlayerCamera::GetSingleton());
		StoreShared(Player3D, Update3DVFuncStruct::GetPlayer3D());
		StoreShared(FormSFBGS004_017, GetFormFromFile("017", "SFBGS004.esm"));
	}

	// The player's 3D as captured, else as the game has it now (kept when
	// the runtime's lock is free).
	RE::NiAVObject* GetCapturedPlayer3D()
	{
		if (auto* player3D = LoadShared(Player3D)) {
			return player3D;
		}
		auto* player3D = Update3DVFuncStruct::GetPlayer3D();
		if (player3D) {
			if (const RuntimeLock lock; lock) {
				StoreShared(Player3D, player3D);
			}
		}
		return player3D;
	}

	// The player's own node: the gates and the vehicle runtime, with the
	// runtime's state held still. Never waits: while another thread holds
	// that state, the node gets what it got last time.
	std::uint8_t RunPlayerNodePass(std::uint8_t a_viewMode, std::uint8_t a_visibilityState)
	{
		const RuntimeLock lock;
		if (!lock) {
			return bPlayerNodeGotZero.load(std::memory_order_relaxed) ? 0 : a_visibilityState;
		}
		const auto gameState = [&] {
			bPlayerNodeGotZero.store(false, std::memory_order_relaxed);
			IgnoreCycleViewKeyUntilReleased();
			return a_visibilityState;
		};

		auto* player = LoadShared(PlayerRef);
		const auto* cell = player ? RE::PlayerActor::GetParentCell(player) : nullptr;
		if (!cell) {
			LOG_INFO_AS("GetDesiredVisibilityState", "can't apply patch | ParentCell");
			return gameState();
		}
		if (cell->IsInterior()) {
			LOG_INFO_AS("GetDesiredVisibilityState", "can't apply patch | IsInterior");
			return gameState();
		}
		if (RE::IsGameMenuPaused()) {
			LOG_INFO_AS("GetDesiredVisibilityState", "can't apply patch | IsGameMenuPaused");
			return gameState();
		}
		if (Update3DVFuncStruct::IsInVehicle(player) == 0.0f) {
			StoreShared(RearViewState, 0);
			LOG_INFO_AS("GetDesiredVisibilityState", "can't apply patch | IsInVehicle");
			return gameState();
		}

		Update3DVFuncStruct::UpdateCurrentProfile();
		Update3DVFuncStruct::EvaluateCycleView(a_viewMode == kFirstPersonView);
		const bool rearView = a_viewMode == kFirstPersonView && Update3DVFuncStruct::EvaluateRearView();
		const bool slowTime = Update3DVFuncStruct::EvaluateSlowTimeEffect();
		if (!rearView && !slowTime && (CurrentProfile.bCompanionChatterAllowInThirdPerson || a_viewMode == kFirstPersonView)) {
			Update3DVFuncStruct::EvaluateCompanionChatter();
		}
		LOG_INFO_AS("GetDesiredVisibilityState", "applying patch");
		bPlayerNodeGotZero.store(true, std::memory_order_relaxed);
		return 0;
	}
}

// Runs for every fade node the game evaluates, on the game's threads. A node
// that isn't the player's takes no lock, makes no call into the game and
// allocates nothing while logging is off.
std::uint8_t Update3DVFuncStruct::GetDesiredVisibilityState(RE::BSFadeNode* a_node, std::uint8_t visibilityState)
{
	try {
		LOG_INFO("3D ", GetAddressAsHex(reinterpret_cast<std::uintptr_t>(a_node), false), " | visibilityState [",
			static_cast<unsigned>(visibilityState), "]");
		// Work an event left for the runtime's lock while a frame held it.
		if (HasQueuedRuntimeWork()) {
			const RuntimeLock lock;
		}

		const auto* camera = LoadShared(PlayerCameraRef);
		if (!camera) {
			camera = RE::PlayerCamera::GetSingleton();
		}
		const void* cameraState = camera ? camera->GetCurrentState() : nullptr;
		if (!cameraState) {
			LOG_INFO("can't apply patch | VehicleCamState");
			return visibilityState;
		}
		const auto viewMode = RE::PlayerCamera::GetVehicleViewMode(cameraState);
		if (viewMode == kNoVehicleView) {
			LOG_INFO("can't apply patch | VehicleCamState");
			return visibilityState;
		}
		FollowViewMode(viewMode);

		if (IsVideoOrCreditsMenuOpen()) {
			LOG_INFO("can't apply patch | PlayBinkMenu or EndGameCreditsMenu");
			RefreshCaches();
			return visibilityState;
		}

		auto* player3D = GetCapturedPlayer3D();
		if (!player3D) {
			LOG_INFO("can't apply patch | Player's 3D");
			return visibilityState;
		}
		if (static_cast<RE::NiAVObject*>(a_node) != player3D) {
			return visibilityState;
		}
		return RunPlayerNodePass(viewMode, visibilityState);
	} catch (...) {
		LOG_WITHOUT_THROWING(LOG_WARNING, "can't apply patch | unknown error");
		return visibilityState;
	}
}

RE::NiAVObject* Update3DVFuncStruct::GetPlayer3D()
{
	return GetPlayer3DOf(LoadShared(PlayerRef));
}

RE::NiAVObject* Update3DVFuncStruct::GetPlayer3DOf(RE::Actor* a_player)
{
	if (!a_player) {
		return nullptr;
	}
	const RE::ReferenceLockGuard lock(RE::detail::address_at(a_player, RE::PlayerActor::kLockOffset));
	const auto* loaded = RE::detail::read_at<const void*>(a_player, RE::PlayerActor::kLoadedDataOffset);
	// A player whose 3D isn't loaded has nothing to point at.
	return loaded ? RE::detail::read_at<RE::NiAVObject*>(loaded, RE::PlayerActor::kRootNodeOffset) : nullptr;
}
