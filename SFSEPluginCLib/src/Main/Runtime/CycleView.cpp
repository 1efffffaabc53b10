#include "Runtime/CycleView.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "Runtime/ApplyProfile.h"
#include "Runtime/Hotkeys.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"

std::string ActiveViewLabel;
std::size_t ActiveViewPosition = 1;

namespace
{
	// Held on the last pass: a press is the pass it goes down.
	bool bCycleViewKeyWasDown = false;

	// The position of the first view labelled a_label: 2 on for the views in
	// load order; 0 for none.
	std::size_t FindPosition(const std::vector<const ProfileView*>& a_views, std::string_view a_label)
	{
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

	// Puts the profile itself (position 1) or a view in force, in CurrentProfile.
	void PutPositionInForce(const Profile& a_base, const std::vector<const ProfileView*>& a_views, std::size_t a_position)
	{
		ActiveViewPosition = a_position;
		if (a_position <= 1) {
			CurrentProfile = a_base;
			ActiveViewLabel.clear();
			return;
		}
		const auto& view = *a_views[a_position - 2];
		CurrentProfile = ApplyView(a_base, view);
		ActiveViewLabel = view.sLabel;
	}
}

// Steps by position, so that views given the same label, or none, are
// stepped through as the files list them.
void Update3DVFuncStruct::EvaluateCycleView(bool a_bFirstPerson)
{
	// One key question per pass, and none without a key.
	const bool bDown = IsHotkeyDown(CurrentProfile.iCycleViewHotkey);
	const bool bPressed = bDown && !bCycleViewKeyWasDown;
	bCycleViewKeyWasDown = bDown;
	if (!bPressed || !a_bFirstPerson) {
		return;
	}
	// The record CurrentProfile was made from: the first profile of its name.
	const auto index = FindProfileIndex(NameText(CurrentProfile.sProfileName));
	if (index < 0) {
		return;
	}
	const auto& base = Profiles[static_cast<std::size_t>(index)];
	const auto views = FindViewsOf(ProfileViews, base.sProfileName);
	const auto next = std::min(ActiveViewPosition, views.size() + 1) % (views.size() + 1) + 1;
	PutPositionInForce(base, views, next);
	LogPosition(views, next, "");
	ApplyProfile(CurrentProfile);
}

// By label: after a reload, positions may have moved.
void KeepActiveViewAfterReload()
{
	if (ActiveViewPosition <= 1) {
		return;
	}
	const auto views = FindViewsOf(ProfileViews, CurrentProfile.sProfileName);
	const auto position = FindPosition(views, ActiveViewLabel);
	if (position == 0) {
		LOG_INFO_AS("CycleView", CurrentProfile.sProfileName, ": view [", ActiveViewLabel, "] is gone");
		ForgetActiveView();
		LogPosition(views, 1, "");
		return;
	}
	PutPositionInForce(CurrentProfile, views, position);
	LogPosition(views, position, ", kept");
}

void ForgetActiveView() noexcept
{
	ActiveViewPosition = 1;
	ActiveViewLabel.clear();
}

void IgnoreCycleViewKeyUntilReleased() noexcept
{
	bCycleViewKeyWasDown = true;
}
