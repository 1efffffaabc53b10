#include "Settings/ProfileFields.h"

#include "Settings/ValueParsing.h"

void ApplyProfileFieldText(Profile& a_profile, const ProfileField& a_field, std::string_view a_text) noexcept
{
	switch (a_field.eKind) {
	case ProfileFieldKind::kHotkey: ApplyHotkeyText(a_profile.*a_field.iHotkey, a_text); break;
	case ProfileFieldKind::kFloat: ApplyFloatText(a_profile.*a_field.fValue, a_text); break;
	case ProfileFieldKind::kSwitch: ApplySwitchText(a_profile.*a_field.bSwitch, a_text); break;
	}
}

Profile::Profile()
{
	for (const auto& field : ProfileFields) {
		ApplyProfileFieldText(*this, field, field.sDefaultText);
	}
}
