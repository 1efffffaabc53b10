#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

#include "RE/IDs.h"
#include "sim/GameIndex.h"
#include "sim/Verbs.h"
#include "sim/code/Code.h"

namespace
{
	using testing::ElementsAre;
	using testing::ElementsAreArray;

	class Verbs : public testing::Test
	{
	protected:
		void SetUp() override { world.reset(); }
		void TearDown() override { world.reset(); }

		sim::World& world = sim::world();
	};

	// Puts a_function into the fade node table's visibility slot for the
	// object's life, as a hook would.
	class SlotOverride
	{
	public:
		explicit SlotOverride(const void* a_function) :
			_slot(const_cast<const void**>(&sim_BSFadeNodeVTable[sim::code::kFadeNodeVisibilitySlot]))
		{
			DWORD old = 0;
			::VirtualProtect(_slot, sizeof(*_slot), PAGE_READWRITE, &old);
			_previous = *_slot;
			*_slot = a_function;
		}
		~SlotOverride() { *_slot = _previous; }

	private:
		const void** _slot;
		const void* _previous;
	};

	std::vector<std::pair<sim::game::NiNode*, std::uint8_t>> g_asked;
	std::uint8_t AnswerNine(sim::game::NiNode* a_node, std::uint8_t a_state)
	{
		g_asked.emplace_back(a_node, a_state);
		return 9;
	}

	TEST_F(Verbs, AFrameAsksEveryFadeNodeThroughItsTable)
	{
		auto& first = world.scene.add_fade_node(3);
		auto& second = world.scene.add_fade_node(4);
		world.scene.playerRoot.visibilityState = 5;

		EXPECT_EQ(sim::run_frame(), 5);  // the game's own function keeps the state
		EXPECT_EQ(first.lastResult, 3);
		EXPECT_EQ(second.lastResult, 4);
		EXPECT_EQ(world.calls.of("UpdateVisibility").size(), 3u);

		g_asked.clear();
		const SlotOverride hook(reinterpret_cast<const void*>(&AnswerNine));
		EXPECT_EQ(sim::run_frame(), 9);
		EXPECT_EQ(second.lastResult, 9);
		EXPECT_THAT(g_asked, ElementsAre(std::pair(&world.scene.playerRoot, std::uint8_t{ 5 }), std::pair(&first, std::uint8_t{ 3 }), std::pair(&second, std::uint8_t{ 4 })));
	}

	TEST_F(Verbs, AnIdleLinePassesEveryArgumentThroughItsCallSite)
	{
		auto& speaker = world.references.add_actor(0x100);
		auto* target = &world.references.player.ref;

		EXPECT_EQ(sim::pick_first_idle_line({ &speaker.ref, target }), &world.dialogue.topicInfo);
		world.dialogue.uSecondLineResult = 77;
		EXPECT_EQ(sim::pick_second_idle_line({ &speaker.ref, target }), 77u);

		const auto speakerArg = reinterpret_cast<std::uintptr_t>(&speaker.ref);
		const auto targetArg = reinterpret_cast<std::uintptr_t>(target);
		const auto topicArg = reinterpret_cast<std::uintptr_t>(&world.dialogue.topicInfo);
		ASSERT_EQ(world.calls.all().size(), 2u);
		EXPECT_THAT(world.calls.all()[0].arguments, ElementsAreArray<std::uint64_t>({ 1, 2, 3, speakerArg, targetArg, 6, 7, 8, 9 }));
		EXPECT_THAT(world.calls.all()[1].arguments, ElementsAreArray<std::uint64_t>({ 1, speakerArg, 3, 4, 5, targetArg, 7, topicArg, 9 }));
	}

	struct Received
	{
		std::string name;
		std::uint8_t flag;
	};

	// A sink in the game's slot order that keeps what it is sent.
	struct Sink
	{
		const void* const* vtable{ kTable };
		std::vector<Received> received;
		bool bMenuEvents{ false };

		static void Destroy(Sink*, std::uint32_t) {}
		static std::uint32_t Process(Sink* a_self, const void* a_event, sim::game::BSTEventSource*)
		{
			if (a_self->bMenuEvents) {
				const auto* event = static_cast<const sim::game::MenuOpenCloseEvent*>(a_event);
				a_self->received.push_back({ std::string(sim::text_of(event->menuName)), event->opening });
			} else {
				a_self->received.push_back({ "", static_cast<const sim::game::SaveLoadEvent*>(a_event)->loading });
			}
			return 0;
		}
		static inline const void* const kTable[2]{ reinterpret_cast<const void*>(&Destroy), reinterpret_cast<const void*>(&Process) };
	};

	TEST_F(Verbs, SavesLoadsAndMenusReachTheirSinksAndTheUIAnswersAfterwards)
	{
		using Register = void (*)(sim::game::BSTEventSource*, void*);
		using IsMenuOpen = bool (*)(sim::game::UI*, const sim::game::GameString*);
		const auto registerSink = reinterpret_cast<Register>(sim::game_address(RE::IDs::BSTEventSource::RegisterSink));
		const auto isMenuOpen = reinterpret_cast<IsMenuOpen>(sim::game_address(RE::IDs::UI::IsMenuOpen));
		Sink saves, menus;
		menus.bMenuEvents = true;
		registerSink(&world.events.saveLoad, &saves);
		registerSink(&world.menus.ui.menuOpenCloseSource, &menus);

		EXPECT_EQ(sim::save_game(), 1u);
		EXPECT_EQ(sim::load_game(), 1u);
		EXPECT_EQ(sim::open_menu("PauseMenu"), 1u);
		const sim::game::GameString pause{ world.strings.intern("PauseMenu") };
		EXPECT_TRUE(isMenuOpen(&world.menus.ui, &pause));
		EXPECT_EQ(sim::close_menu("PauseMenu"), 1u);
		EXPECT_FALSE(isMenuOpen(&world.menus.ui, &pause));

		ASSERT_EQ(saves.received.size(), 2u);
		EXPECT_EQ(saves.received[0].flag, 0);
		EXPECT_EQ(saves.received[1].flag, 1);
		ASSERT_EQ(menus.received.size(), 2u);
		EXPECT_EQ(menus.received[0].name, "PauseMenu");
		EXPECT_EQ(menus.received[0].flag, 1);
		EXPECT_EQ(menus.received[1].flag, 0);
	}
}
