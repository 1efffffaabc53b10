#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include <fmt/format.h>

#include "GameTest.h"
#include "Helpers/FormNames.h"
#include "RE/TESObjectREFR.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;

	class FormNamesTest : public test::GameTest
	{
	protected:
		// An actor named Mira (the name on her base object).
		sim::Form& mira = world.forms.add_actor("Mira", 0x0001A2B3);
	};

	TEST_F(FormNamesTest, AReferencesOwnDisplayNameComesFirstAndIsReadOutsideTheLock)
	{
		world.forms.set_display_name(mira, &world.forms.add_string("Captain Mira"));
		EXPECT_EQ(GetReferenceName(AsRef(mira)), "Captain Mira");
		EXPECT_EQ(world.forms.locks, 1);
		EXPECT_EQ(world.forms.unlocks, 1);
		EXPECT_EQ(world.forms.searchesUnderLock, 1);
		EXPECT_EQ(world.forms.searchesWithoutLock, 0);
		EXPECT_EQ(mira.extraList.lock, 0u);
	}

	TEST_F(FormNamesTest, DisplayNameSources)
	{
		struct Case
		{
			const char* what;
			std::function<const sim::StringEntry*(sim::FormsArea&)> entry;
			std::string expected;
		};
		const Case cases[] = {
			{ "forwarded twice", [](auto& f) { return &f.add_forwarding(&f.add_forwarding(&f.add_string("Lin"))); }, "Lin" },
			{ "forwarding to null", [](auto& f) { return &f.add_forwarding(nullptr); }, "Mira" },
			{ "no string", [](auto&) { return nullptr; }, "Mira" },
			{ "empty length", [](auto& f) { return &f.add_string("Ghost", 0); }, "Mira" },
			{ "empty text", [](auto& f) { return &f.add_string(""); }, "Mira" },
			{ "a zero within the length", [](auto& f) { return &f.add_string(std::string_view("Sam\0uel", 7)); }, "Sam" },
			{ "a forwarding loop",
				[](auto& f) {
					auto& a = f.add_forwarding(nullptr);
					auto& b = f.add_forwarding(&a);
					a.link.forward = &b;
					return &a;
				},
				"Mira" },
		};
		for (const auto& c : cases) {
			world.forms.set_display_name(mira, c.entry(world.forms));
			EXPECT_EQ(GetReferenceName(AsRef(mira)), c.expected) << c.what;
		}
	}

	TEST_F(FormNamesTest, AnEntryWithoutAZeroWithinItsLengthIsReadOnlyToItsLength)
	{
		auto& entry = world.forms.add_string("", 4);
		std::memset(entry.text, 'X', sizeof(entry.text));
		world.forms.set_display_name(mira, &entry);
		EXPECT_EQ(GetReferenceName(AsRef(mira)), "XXXX");
	}

	TEST_F(FormNamesTest, ANameComponentWithoutTextFallsBackToTheGamesOwnQuery)
	{
		auto& base = *sim::FormsArea::owner_of(mira.data.baseObject);
		base.nativeName = "Mira (native)";
		base.hasNativeName = true;
		EXPECT_EQ(GetTESFullName(AsForm(base)), "Mira");

		base.componentName.clear();
		base.nameComponent.name = base.componentName.c_str();
		EXPECT_EQ(GetTESFullName(AsForm(base)), "Mira (native)");

		base.nameComponent.name = nullptr;
		EXPECT_EQ(GetTESFullName(AsForm(base)), "Mira (native)");

		base.hasNameComponent = false;
		EXPECT_EQ(GetTESFullName(AsForm(base)), "Mira (native)");
		EXPECT_EQ(GetTESFullNameNative(AsForm(base)), "Mira (native)");

		base.hasNativeName = false;
		EXPECT_EQ(GetTESFullName(AsForm(base)), "");
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(FormNamesTest, NullFormsGiveEmptyNamesAndOneErrorEach)
	{
		EXPECT_EQ(GetTESFullName(nullptr), "");
		EXPECT_EQ(GetTESFullNameNative(nullptr), "");
		EXPECT_EQ(GetReferenceName(nullptr), "");
		EXPECT_THAT(Entries(), ElementsAre("error: [GetTESFullName] theForm is nullptr", "error: [GetTESFullNameNative] theForm is nullptr",
								   "error: [GetReferenceName] theRef is nullptr"));
	}

	TEST_F(FormNamesTest, Descriptions)
	{
		auto& player = world.forms.add_actor("Player", 0x14);
		auto& crate = world.forms.add_reference(0x00ABCDEF, sim::kActivatorFormType, &world.forms.add_reference(0x00ABC000, 0x25, nullptr));
		const auto at = [](sim::Form& a_form) { return fmt::format("{:X}", reinterpret_cast<std::uintptr_t>(a_form.game())); };

		EXPECT_EQ(GetFormDescription(AsForm(mira), true, true), "[" + at(mira) + " | 0001A2B3 | 75 | Mira]");
		EXPECT_EQ(GetFormDescription(AsForm(player), true, false), "[" + at(player) + " | 00000014 | 75]");
		EXPECT_EQ(GetFormDescription(AsForm(player), false, false), "[" + at(player) + " | 00000014]");
		EXPECT_EQ(GetFormDescription(AsForm(crate), true, true), "[" + at(crate) + " | 00ABCDEF | 37 | {unnamed}]");
		for (const bool type : { false, true }) {
			for (const bool name : { false, true }) {
				EXPECT_EQ(GetFormDescription(nullptr, type, name), "!!! ERROR: nullptr form !!!");
			}
		}
	}
}
