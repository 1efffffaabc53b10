#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <string_view>

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
		sim::game::Actor& mira = AddActor("Mira", 0x0001A2B3);

		std::size_t Calls(std::string_view a_function) const { return world.calls.of(a_function).size(); }
	};

	TEST_F(FormNamesTest, AReferencesOwnDisplayNameComesFirstAndIsReadOutsideTheLock)
	{
		world.references.set_display_name(mira.ref, &world.strings.add_string("Captain Mira"));
		EXPECT_EQ(GetReferenceName(AsRef(mira)), "Captain Mira");
		EXPECT_EQ(Calls("ReferenceLock::Lock"), 1u);
		EXPECT_EQ(Calls("ReferenceLock::Unlock"), 1u);
		// One search, with the list's own lock held (its third argument).
		const auto searches = world.calls.of("ExtraDataList::GetByType");
		ASSERT_EQ(searches.size(), 1u);
		EXPECT_EQ(searches[0].arguments.at(2), 1u);
		EXPECT_EQ(world.calls.of("ReferenceLock::Lock")[0].arguments.at(0), reinterpret_cast<std::uintptr_t>(&mira.ref.extraList->lock));
		EXPECT_EQ(mira.ref.extraList->lock, 0u);
	}

	TEST_F(FormNamesTest, DisplayNameSources)
	{
		struct Case
		{
			const char* what;
			std::function<const sim::game::StringEntry*(sim::Strings&)> entry;
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
					a.forward = &b;
					return &a;
				},
				"Mira" },
		};
		for (const auto& c : cases) {
			world.references.set_display_name(mira.ref, c.entry(world.strings));
			EXPECT_EQ(GetReferenceName(AsRef(mira)), c.expected) << c.what;
		}
	}

	TEST_F(FormNamesTest, AnEntryWithoutAZeroWithinItsLengthIsReadOnlyToItsLength)
	{
		auto& entry = world.strings.add_string("", 4);
		std::memset(entry.text, 'X', sizeof(entry.text));
		world.references.set_display_name(mira.ref, &entry);
		EXPECT_EQ(GetReferenceName(AsRef(mira)), "XXXX");
	}

	TEST_F(FormNamesTest, ANameComponentWithoutTextFallsBackToTheGamesOwnQuery)
	{
		auto& base = *mira.ref.baseObject;
		auto* component = base.fullNameComponent;
		base.fullName = "Mira (native)";
		EXPECT_EQ(GetTESFullName(AsForm(base)), "Mira");

		component->name = "";
		EXPECT_EQ(GetTESFullName(AsForm(base)), "Mira (native)");

		component->name = nullptr;
		EXPECT_EQ(GetTESFullName(AsForm(base)), "Mira (native)");

		base.fullNameComponent = nullptr;
		EXPECT_EQ(GetTESFullName(AsForm(base)), "Mira (native)");
		EXPECT_EQ(GetTESFullNameNative(AsForm(base)), "Mira (native)");

		base.fullName = nullptr;
		EXPECT_EQ(GetTESFullName(AsForm(base)), "");
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(FormNamesTest, NullFormsGiveEmptyNamesAndOneErrorEach)
	{
		EXPECT_EQ(GetTESFullName(nullptr), "");
		EXPECT_EQ(GetTESFullNameNative(nullptr), "");
		EXPECT_EQ(GetReferenceName(nullptr), "");
		EXPECT_THAT(Entries(), ElementsAre("error: [GetTESFullName] theForm is nullptr", "error: [GetTESFullNameNative] theForm is nullptr", "error: [GetReferenceName] theRef is nullptr"));
	}

	TEST_F(FormNamesTest, Descriptions)
	{
		auto& player = AddActor("Player", 0x14);
		auto& crate = world.references.add_reference(0x00ABCDEF, sim::kActivatorFormType, &world.forms.add_form(0x00ABC000, 0x25));
		// "[<address> | <rest>]"
		const auto at = [](const void* a_form, const char* a_rest) { return fmt::format("[{:X} | {}]", reinterpret_cast<std::uintptr_t>(a_form), a_rest); };

		EXPECT_EQ(GetFormDescription(AsForm(mira), true, true), at(&mira, "0001A2B3 | 75 | Mira"));
		EXPECT_EQ(GetFormDescription(AsForm(player), true, false), at(&player, "00000014 | 75"));
		EXPECT_EQ(GetFormDescription(AsForm(player), false, false), at(&player, "00000014"));
		EXPECT_EQ(GetFormDescription(AsForm(crate), true, true), at(&crate, "00ABCDEF | 37 | {unnamed}"));
		for (const bool type : { false, true }) {
			for (const bool name : { false, true }) {
				EXPECT_EQ(GetFormDescription(nullptr, type, name), "!!! ERROR: nullptr form !!!");
			}
		}
	}
}
