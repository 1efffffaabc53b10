#include "Runtime/CycleView.h"

#include <cstdint>
#include <string_view>

#include "Runtime/ApplyProfile.h"
#include "Runtime/Hotkeys.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"

std::string ActiveViewLabel;

namespace
{
	// Held on the last pass: a press is the pass it goes down.
	bool bCycleViewKeyWasDown = false;

	// The record CurrentProfile was made from: the first profile of its name.
	const Profile* FindBaseProfile()
	{
		const std::string_view name(CurrentProfile.sProfileName.c_str());
		for (const auto& profile : Profiles) {
			if (!name.empty() && std::string_view(profile.sProfileName.c_str()) == name) {
				return &profile;
			}
		}
		return nullptr;
	}

	// 1 for the profile itself, 2 on for its views in load order; 0 when the
	// label names none of them.
	std::size_t PositionOf(const std::vector<const ProfileView*>& a_views, std::string_view a_label)
	{
		if (a_label.empty()) {
			return 1;
		}
		for (std::size_t i = 0; i < a_views.size(); ++i) {
			if (a_views[i]->sLabel == a_label) {
				return i + 2;
			}
		}
		return 0;
	}

	void LogPosition(const std::vector<const ProfileView*>& a_views, std::size_t a_position, std::string_view a_after)
	{
		if (a_position <= 1) {
			LOG_INFO_AS("CycleView", CurrentProfile.sProfileName, ": the profile itself (1 of ", a_views.size() + 1, ")", a_after);
		} else {
			LOG_INFO_AS("CycleView", CurrentProfile.sProfileName, ": view [", a_views[a_position - 2]->sLabel, "] (", a_position, " of ",
				a_views.size() + 1, ")", a_after);
		}
	}
}

void Update3DVFuncStruct::EvaluateCycleView(bool a_bFirstPerson)
{
	// One key question per pass, and none without a key.
	const bool bDown = IsHotkeyDown(CurrentProfile.iCycleViewHotkey);
	const bool bPressed = bDown && !bCycleViewKeyWasDown;
	bCycleViewKeyWasDown = bDown;
	if (!bPressed || !a_bFirstPerson) {
		return;
	}
	const auto* base = FindBaseProfile();
	if (!base) {
		return;
	}
	const auto views = FindViewsOf(ProfileViews, base->sProfileName);
	const auto next = PositionOf(views, ActiveViewLabel) % (views.size() + 1) + 1;
	if (next == 1) {
		CurrentProfile = *base;
		ActiveViewLabel.clear();
	} else {
		CurrentProfile = ApplyView(*base, *views[next - 2]);
		ActiveViewLabel = views[next - 2]->sLabel;
	}
	LogPosition(views, next, "");
	ApplyProfile(CurrentProfile);
}

void KeepActiveViewAfterReload()
{
	if (ActiveViewLabel.empty()) {
		return;
	}
	const auto views = FindViewsOf(ProfileViews, CurrentProfile.sProfileName);
	const auto position = PositionOf(views, ActiveViewLabel);
	if (position == 0) {
		LOG_INFO_AS("CycleView", CurrentProfile.sProfileName, ": view [", ActiveViewLabel, "] is gone");
		ActiveViewLabel.clear();
		LogPosition(views, 1, "");
		return;
	}
	CurrentProfile = ApplyView(CurrentProfile, *views[position - 2]);
	LogPosition(views, position, ", kept");
}

void ForgetActiveView() noexcept
{
	ActiveViewLabel.clear();
}

void IgnoreCycleViewKeyUntilReleased() noexcept
{
	bCycleViewKeyWasDown = true;
}
