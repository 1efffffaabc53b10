#include "Settings/ProfileViews.h"

#include "Settings/ProfileFields.h"
#include "Settings/ValueParsing.h"
#include "Settings/ValueText.h"

namespace
{
	std::uint32_t BitOf(const ProfileField& a_field) noexcept
	{
		return std::uint32_t{ 1 } << static_cast<std::uint32_t>(&a_field - ProfileFields.data());
	}

	static_assert(ProfileFields.size() <= 32, "a bit per field");
}

bool ProfileView::Sets(const ProfileField& a_field) const noexcept
{
	return (iSetFields & BitOf(a_field)) != 0;
}

std::optional<ViewSectionName> SplitViewSectionName(std::string_view a_section) noexcept
{
	const auto mark = a_section.find(" #");
	if (mark == std::string_view::npos) {
		return std::nullopt;
	}
	return ViewSectionName{ a_section.substr(0, mark), a_section.substr(mark + 2) };
}

bool IsViewField(const ProfileField& a_field) noexcept
{
	return a_field.eKind == ProfileFieldKind::kFloat;
}

bool ApplyViewFieldText(ProfileView& a_view, const ProfileField& a_field, std::string_view a_text)
{
	if (!IsViewField(a_field)) {
		return false;
	}
	// As a profile reads it: a text that doesn't read as a number is none.
	if (!a_text.empty() && ParseFloatValue(a_text)) {
		ApplyProfileFieldText(a_view.values, a_field, a_text);
		a_view.iSetFields |= BitOf(a_field);
	}
	return true;
}

Profile ApplyView(const Profile& a_profile, const ProfileView& a_view)
{
	Profile viewed = a_profile;
	// A view sets floats only (IsViewField).
	for (const auto& field : ProfileFields) {
		if (a_view.Sets(field)) {
			viewed.*field.fValue = a_view.values.*field.fValue;
		}
	}
	FillValueTexts(viewed);
	return viewed;
}

std::vector<const ProfileView*> FindViewsOf(const std::vector<ProfileView>& a_views, std::string_view a_profileName)
{
	std::vector<const ProfileView*> found;
	if (a_profileName.empty()) {
		return found;
	}
	for (const auto& view : a_views) {
		if (NameText(view.sProfileName) == a_profileName) {
			found.push_back(&view);
		}
	}
	return found;
}
