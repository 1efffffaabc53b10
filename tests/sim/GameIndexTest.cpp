#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include <windows.h>

#include "RE/IDs.h"
#include "REL/ID.h"
#include "REL/Module.h"
#include "sim/GameFolder.h"
#include "sim/GameIndex.h"
#include "sim/code/Code.h"
#include "sim/platform/PeImage.h"
#include "sim/world/World.h"

namespace
{
	using testing::ElementsAre;

	TEST(GameIndex, EveryIdIsDistinctAndHasAPlaceOfItsOwnInTheGame)
	{
		std::set<std::uint64_t> ids;
		for (const auto& entry : RE::IDs::all) {
			ids.insert(entry.id.id());
		}
		EXPECT_EQ(ids.size(), RE::IDs::all.size());

		std::set<std::uintptr_t> addresses;
		const auto base = sim::game_base();
		const auto size = sim::PeImage(::GetModuleHandleW(nullptr)).size_of_image();
		for (const auto& entry : RE::IDs::all) {
			const auto address = sim::game_address(entry.id);
			ASSERT_GT(address, base) << entry.name;
			EXPECT_LT(address - base, size) << entry.name;
			addresses.insert(address);
		}
		EXPECT_EQ(addresses.size(), RE::IDs::all.size());
		EXPECT_EQ(sim::game_items().size(), RE::IDs::all.size());
		EXPECT_EQ(sim::game_address(REL::ID(1)), 0u);
	}

	TEST(GameIndex, FunctionsAndCodeLieInTheGamesCodeAndNothingElseDoes)
	{
		const auto text = REL::Module::get().segment(REL::Segment::textx);
		for (const auto& entry : RE::IDs::all) {
			const auto address = sim::game_address(entry.id);
			const bool inCode = address >= text.address() && address < text.address() + text.size();
			const bool isCode = entry.kind == RE::IDs::Kind::function || entry.kind == RE::IDs::Kind::code;
			EXPECT_EQ(inCode, isCode) << entry.name;
		}
	}

	TEST(GameIndex, RelocationsReachTheGamesDataAndCodeSites)
	{
		const sim::GameFolder game;
		using namespace RE::IDs;

		auto& world = sim::world();
		const REL::Relocation<std::uint64_t*> slot9{ StringValueSlots[8] };
		EXPECT_EQ(slot9.get(), &world.strings.valueSlots[8]);
		EXPECT_EQ(*slot9, world.strings.valueSlots[8]);
		EXPECT_EQ(slot9.offset(), slot9.address() - sim::game_base());

		const REL::Relocation<float*> timeMultiplier{ CurrentTimeMultiplier };
		*timeMultiplier = 0.25f;
		EXPECT_EQ(world.time.fCurrentTimeMultiplier, 0.25f);
		*timeMultiplier = 1.0f;

		const REL::Relocation<void**> ui{ UI::Singleton };
		EXPECT_EQ(ui.get(), reinterpret_cast<void**>(&world.menus.uiGlobal));

		// The game's own form of the Exit Anywhere instruction.
		const REL::Relocation<const std::uint8_t*> exitSite{ ExitAnywhere::Function, ExitAnywhere::SiteDisplacement };
		EXPECT_THAT(std::vector<std::uint8_t>(exitSite.get(), exitSite.get() + 7), ElementsAre(0x40, 0x38, 0xB5, 0xF0, 0x00, 0x00, 0x00));

		// Two relative calls to the game's two idle-line functions; the
		// dialogue function runs through each and keeps the stack and the
		// callee-saved registers.
		const REL::Relocation<const std::uint8_t*> firstCall{ DialogueCallSites::Function, DialogueCallSites::FirstCall };
		const REL::Relocation<const std::uint8_t*> secondCall{ DialogueCallSites::Function, DialogueCallSites::SecondCall };
		const auto target = [](const REL::Relocation<const std::uint8_t*>& a_call) {
			std::int32_t displacement = 0;
			std::memcpy(&displacement, a_call.get() + 1, 4);
			return a_call.address() + 5 + static_cast<std::uintptr_t>(static_cast<std::intptr_t>(displacement));
		};
		EXPECT_EQ(*firstCall, 0xE8);
		EXPECT_EQ(*secondCall, 0xE8);
		EXPECT_EQ(target(firstCall), reinterpret_cast<std::uintptr_t>(sim_IdleLine01Entry));
		EXPECT_EQ(target(secondCall), reinterpret_cast<std::uintptr_t>(sim_IdleLine02Entry));
		EXPECT_EQ(sim::code::first_line_routine()(0, 0, 0, nullptr, nullptr, 0, 0, 0, 0), world.dialogue.firstLineResult);
		EXPECT_EQ(sim::code::second_line_routine()(0, nullptr, 0, 0, 0, nullptr, 0, nullptr, 0), 2u);
		EXPECT_TRUE(world.dialogue.bStackKept);
		EXPECT_TRUE(world.dialogue.bRegistersKept);
		EXPECT_THAT(world.dialogue.entryAlignments, ElementsAre(8u, 8u));

		// Slot 61 of the fade node's virtual table: the game's visibility update.
		using Visibility = std::uint8_t (*)(void*, std::uint8_t);
		const REL::Relocation<const std::uintptr_t*> vtable{ BSFadeNode::VTable };
		EXPECT_EQ(reinterpret_cast<Visibility>(vtable.get()[61])(nullptr, 7), 7);
	}
}
