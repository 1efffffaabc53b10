#include <cstddef>

#include <gtest/gtest.h>

#include "Settings/ProfileFields.h"

namespace
{
	TEST(ProfileFields, EveryKeyNamesItsKindAndEveryRowItsOwnMember)
	{
		std::size_t counts[3]{};
		for (std::size_t i = 0; i < ProfileFields.size(); ++i) {
			const auto& a = ProfileFields[i];
			// Hotkeys i, floats f, switches b: the kinds' order.
			EXPECT_EQ(a.sKey.front(), "ifb"[static_cast<std::size_t>(a.eKind)]) << a.sKey;
			++counts[static_cast<std::size_t>(a.eKind)];
			for (std::size_t j = 0; j < i; ++j) {
				const auto& b = ProfileFields[j];
				EXPECT_NE(a.sKey, b.sKey);
				if (a.eKind == b.eKind) {
					EXPECT_TRUE(a.iHotkey != b.iHotkey || a.fValue != b.fValue || a.bSwitch != b.bSwitch) << a.sKey << " and " << b.sKey;
					EXPECT_TRUE(a.eKind != ProfileFieldKind::kFloat || a.sValueText != b.sValueText) << a.sKey << " and " << b.sKey;
				}
			}
		}
		EXPECT_EQ(counts[static_cast<std::size_t>(ProfileFieldKind::kHotkey)], 4u);
		EXPECT_EQ(counts[static_cast<std::size_t>(ProfileFieldKind::kFloat)], 10u);
		EXPECT_EQ(counts[static_cast<std::size_t>(ProfileFieldKind::kSwitch)], 5u);
	}

	TEST(ProfileFields, KeysAreFoundByTheirExactSpellingOnly)
	{
		ASSERT_NE(FindProfileField("bSmartAim"), nullptr);
		EXPECT_EQ(FindProfileField("bSmartAim")->bSwitch, &Profile::bSmartAim);
		EXPECT_EQ(FindProfileField("bsmartaim"), nullptr);
		EXPECT_EQ(FindProfileField("sProfileName"), nullptr);
		EXPECT_EQ(FindProfileField(""), nullptr);
	}

	TEST(ProfileFields, ATextChangesItsOwnFieldAndKeepsItOnBadInput)
	{
		Profile p;
		const auto& rearView = *FindProfileField("iRearViewHotkey");
		ApplyProfileFieldText(p, rearView, "0x52");
		EXPECT_EQ(p.iRearViewHotkey, 0x52);
		ApplyProfileFieldText(p, rearView, "0x100");
		EXPECT_EQ(p.iRearViewHotkey, 0x52);
		EXPECT_EQ(p.iShowTimeEffectHotkey, 0x20);

		const auto& up = *FindProfileField("fPlayerFirstPersonCameraPanoramicAngleUp");
		ApplyProfileFieldText(p, up, "45");
		ApplyProfileFieldText(p, up, "up");
		EXPECT_EQ(p.fPlayerFirstPersonCameraPanoramicAngleUp, 45.0f);
		EXPECT_EQ(up.GetValueText(p.*up.fValue), "-45.000000");
	}
}
