#include "Runtime/Update3DVFuncStruct.h"

#include <mutex>

#include "Helpers/AddressText.h"
#include "Helpers/FormLookup.h"
#include "Lifecycle/GameData.h"
#include "Lifecycle/SharedState.h"
#include "Lifecycle/StringValues.h"
#include "RE/BSFadeNode.h"
#include "RE/GameString.h"
#include "RE/PlayerActor.h"
#include "RE/PlayerCamera.h"
#include "RE/ReferenceLock.h"
#include "RE/UI.h"
#include "Runtime/MenuQueries.h"
#include "Settings/GlobalSettings.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"

namespace
{
	enum : std::uint8_t
	{
		kNoVehicleView = 0,
		kFirstPersonView = 1,
	};

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
			StoreShared(RearViewState, 0);
		}
	}

	// Both names are built and released; the credits are asked about only
	// while no video plays.
	bool IsVideoOrCreditsMenuOpen()
	{
		const auto* ui = GetUIToAsk();
		if (!ui) {
			return false;
		}
		const RE::GameString bink("PlayBinkMenu");
		const RE::GameString credits("EndGameCreditsMenu");
		return ui->IsMenuOpen(bink) || ui->IsMenuOpen(credits);
	}

	// A video or the end credits: the game may have made its objects anew.
	void RefreshCaches()
	{
		StoreShared(PlayerRef, RE::PlayerActor::GetSingleton());
		StoreShared(UIRef, RE::UI::GetSingleton());
		StoreShared(PlayerCameraRef, RE::PlayerCamera::GetSingleton());
		StoreShared(Player3D, Update3DVFuncStruct::GetPlayer3D());
		StoreShared(FormSFBGS004_017, GetFormFromFile("017", "SFBGS004.esm"));
	}
}

std::uint8_t Update3DVFuncStruct::GetDesiredVisibilityState(RE::BSFadeNode* a_node, std::uint8_t visibilityState)
{
	try {
		LOG_INFO("3D ", GetAddressAsHex(reinterpret_cast<std::uintptr_t>(a_node), false), " | visibilityState [",
			static_cast<unsigned>(visibilityState), "]");

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

		auto* player3D = LoadShared(Player3D);
		if (!player3D) {
			player3D = GetPlayer3D();
			StoreShared(Player3D, player3D);
			if (!player3D) {
				LOG_INFO("can't apply patch | Player's 3D");
				return visibilityState;
			}
		}
		if (static_cast<RE::NiAVObject*>(a_node) != player3D) {
			return visibilityState;
		}

		// The player's own node: the gates and the vehicle runtime, with
		// Profiles and CurrentProfile held still.
		const std::lock_guard lock(SharedStateMutex);
		auto* player = LoadShared(PlayerRef);
		const auto* cell = player ? RE::PlayerActor::GetParentCell(player) : nullptr;
		if (!cell) {
			LOG_INFO("can't apply patch | ParentCell");
			return visibilityState;
		}
		if (cell->IsInterior()) {
			LOG_INFO("can't apply patch | IsInterior");
			return visibilityState;
		}
		if (RE::IsGameMenuPaused()) {
			LOG_INFO("can't apply patch | IsGameMenuPaused");
			return visibilityState;
		}
		if (Update3DVFuncStruct::IsInVehicle(player) == 0.0f) {
			StoreShared(RearViewState, 0);
			LOG_INFO("can't apply patch | IsInVehicle");
			return visibilityState;
		}

		Update3DVFuncStruct::UpdateCurrentProfile();
		const bool rearView = viewMode == kFirstPersonView && Update3DVFuncStruct::EvaluateRearView();
		const bool slowTime = Update3DVFuncStruct::EvaluateSlowTimeEffect();
		if (!rearView && !slowTime && (CurrentProfile.bCompanionChatterAllowInThirdPerson || viewMode == kFirstPersonView)) {
			Update3DVFuncStruct::EvaluateCompanionChatter();
		}
		LOG_INFO("applying patch");
		return 0;
	} catch (...) {
		LOG_WARNING("can't apply patch | unknown error");
		return visibilityState;
	}
}

RE::NiAVObject* Update3DVFuncStruct::GetPlayer3D()
{
	auto* player = LoadShared(PlayerRef);
	if (!player) {
		return nullptr;
	}
	const RE::ReferenceLockGuard lock(RE::detail::address_at(player, RE::PlayerActor::kLockOffset));
	const auto* loaded = RE::detail::read_at<const void*>(player, RE::PlayerActor::kLoadedDataOffset);
	// A player whose 3D isn't loaded has nothing to point at.
	return loaded ? RE::detail::read_at<RE::NiAVObject*>(loaded, RE::PlayerActor::kRootNodeOffset) : nullptr;
}
