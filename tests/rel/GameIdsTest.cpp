#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "RE/IDs.h"

namespace
{
	struct Expected
	{
		std::string_view name;
		std::uint64_t id;
		RE::IDs::Kind kind;
	};

	using enum RE::IDs::Kind;

	// The game's index, typed in number by number from its published list:
	// a constant that drifts from it fails here, not in the game.
	const std::vector<Expected> kIndex{
		{ "RE::BSTEventSource::RegisterSink", 34452, function },
		{ "RE::TESObjectREFR::Release", 35164, function },
		{ "RE::GameString::Release", 36754, function },
		{ "RE::LookupREFRByHandleNative", 72986, function },
		{ "RE::TESObjectREFR::MatchesForm", 80343, function },
		{ "RE::ExtraDataList::GetByType", 83208, function },
		{ "RE::TESForm::LookupByID", 86125, function },
		{ "RE::TESForm::GetFullName", 86218, function },
		{ "setting lookup by name", 88638, function },
		{ "Exit Anywhere code site", 102971, code },
		{ "RE::ConsoleCommand::IsInDialogueWithPlayer", 108949, function },
		{ "Events::SaveLoadEvent::GetEventSource", 129747, function },
		{ "RE::SetTimeMultiplier", 156294, function },
		{ "RE::ObjectReferenceNative::IsInScene", 170275, function },
		{ "RE::ActorNative::IsTalking", 170285, function },
		{ "RE::ActorNative::GetVehicle", 170441, function },
		{ "RE::ActorNative::PassengerTest", 170456, function },
		{ "RE::ActorNative::InitiateDialogue", 172378, function },
		{ "RE::IsGameMenuPaused", 172731, function },
		{ "RE::ReferenceLock::Lock", 178605, function },
		{ "RE::ReferenceLock::Unlock", 178609, function },
		{ "RE::GameString::GameString", 198219, function },
		{ "RE::RTDynamicCast", 211916, function },
		{ "virtual table of RE::BSFadeNode", 440638, data },
		{ "RE::CurrentTimeMultiplier", 763331, data },
		{ "RE::GlobalTimeMultiplier", 763332, data },
		{ "type descriptor of RE::TESForm", 786265, data },
		{ "type descriptor of RE::TESFullName", 786269, data },
		{ "RE::DataHandler", 825890, global },
		{ "RE::PlayerActor", 865059, global },
		{ "RE::UI", 878339, global },
		{ "RE::PlayerCamera", 878523, global },
		{ "setting collection", 879099, global },
		{ "RE::ReferenceHandleList", 881027, global },
		{ "RE::UI::IsMenuOpen", 1870208, function },
		{ "RE::ConsoleCommand::IsInVehicle", 2157099, function },
		{ "dialogue call sites", 2157294, code },
		{ "StringValueSlots 1", 2241914, data },
		{ "StringValueSlots 2", 2241913, data },
		{ "StringValueSlots 3", 2241910, data },
		{ "StringValueSlots 4", 2241917, data },
		{ "StringValueSlots 5", 2241923, data },
		{ "StringValueSlots 6", 2241921, data },
		{ "StringValueSlots 7", 2241925, data },
		{ "StringValueSlots 8", 2241926, data },
		{ "StringValueSlots 9", 2241922, data },
	};

	TEST(GameIds, TheIndexHoldsEveryPublishedNumberInItsOrder)
	{
		ASSERT_EQ(RE::IDs::all.size(), kIndex.size());
		for (std::size_t i = 0; i < kIndex.size(); ++i) {
			EXPECT_EQ(RE::IDs::all[i].name, kIndex[i].name) << i;
			EXPECT_EQ(RE::IDs::all[i].id.id(), kIndex[i].id) << kIndex[i].name;
			EXPECT_EQ(RE::IDs::all[i].kind, kIndex[i].kind) << kIndex[i].name;
		}
	}

	TEST(GameIds, NamedConstantsAreTheListsNumbers)
	{
		using namespace RE::IDs;
		EXPECT_EQ(Setting::LookupByName.id(), 88638u);
		EXPECT_EQ(SettingCollection.id(), 879099u);
		EXPECT_EQ(ExitAnywhere::Function.id(), 102971u);
		EXPECT_EQ(ExitAnywhere::SiteDisplacement, 0x6F8);
		EXPECT_EQ(DialogueCallSites::Function.id(), 2157294u);
		EXPECT_EQ(DialogueCallSites::FirstCall, 0x239);
		EXPECT_EQ(DialogueCallSites::SecondCall, 0x28E);
		EXPECT_EQ(UI::Singleton.id(), 878339u);
		EXPECT_EQ(GameString::GameString.id(), 198219u);
		EXPECT_EQ(Events::SaveLoadEvent::GetEventSource.id(), 129747u);
		EXPECT_EQ(StringValueSlots.size(), 9u);
		EXPECT_EQ(StringValueSlots[0].id(), 2241914u);
		EXPECT_EQ(StringValueSlots[8].id(), 2241922u);
	}
}
