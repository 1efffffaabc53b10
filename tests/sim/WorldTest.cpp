#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include <windows.h>

#include "RE/IDs.h"
#include "sim/GameIndex.h"
#include "sim/events/Events.h"
#include "sim/platform/Keys.h"
#include "sim/world/World.h"

namespace
{
	using testing::ElementsAre;

	class World : public testing::Test
	{
	protected:
		void SetUp() override { world.reset(); }
		void TearDown() override { world.reset(); }

		template <class F>
		F game_function(REL::ID a_id)
		{
			return reinterpret_cast<F>(sim::game_address(a_id));
		}

		sim::World& world = sim::world();
	};

	TEST_F(World, ResetBringsBackTheStartingGameWithItsItemsInPlace)
	{
		auto* const slot = &world.strings.valueSlots[3];
		world.time.fCurrentTimeMultiplier = 0.2f;
		world.strings.valueSlots[3] = 7;
		world.menus.open.insert("DialogueMenu");
		world.camera.cameraGlobal = nullptr;
		world.references.add_actor(0x1234);
		world.calls.record("Something", 1);

		world.reset();

		EXPECT_EQ(world.time.fCurrentTimeMultiplier, 1.0f);
		EXPECT_EQ(world.strings.valueSlots[3], 0x5356000000000004u);
		EXPECT_EQ(sim::game_address(RE::IDs::StringValueSlots[3]), reinterpret_cast<std::uintptr_t>(slot));
		EXPECT_TRUE(world.menus.open.empty());
		EXPECT_TRUE(world.references.actors.empty());
		EXPECT_TRUE(world.calls.all().empty());
		// Every global points at its object again, and the player is whole.
		EXPECT_EQ(world.camera.cameraGlobal, &world.camera.camera);
		EXPECT_EQ(world.camera.camera.currentState, &world.camera.vehicleState);
		EXPECT_EQ(world.menus.uiGlobal, &world.menus.ui);
		EXPECT_EQ(world.references.playerGlobal, &world.references.player);
		EXPECT_EQ(world.references.player.ref.form.formID, 0x14u);
		EXPECT_EQ(world.references.player.ref.loadedData->root, &world.scene.playerRoot);
		EXPECT_EQ(world.references.player.ref.parentCell->cellFlags & 1, 0);
	}

	// A sink as the game sees one: its table in MSVC order, the destructor
	// in slot 0 and ProcessEvent in slot 1.
	struct Sink
	{
		const void* const* vtable;
		std::uint32_t answer;
		std::vector<std::pair<const void*, const void*>> received;

		static void Destroy(Sink*, std::uint32_t) { ADD_FAILURE() << "the destructor slot was called"; }
		static std::uint32_t Process(Sink* a_self, const void* a_event, sim::game::BSTEventSource* a_source)
		{
			a_self->received.emplace_back(a_event, a_source);
			return a_self->answer;
		}
		static inline const void* const kTable[2]{ reinterpret_cast<const void*>(&Destroy), reinterpret_cast<const void*>(&Process) };

		explicit Sink(std::uint32_t a_answer = 0) :
			vtable(kTable), answer(a_answer)
		{}
	};

	TEST_F(World, EventsReachEverySinkThroughSlotOneUntilOneStopsThem)
	{
		using GetSource = sim::game::BSTEventSource* (*)();
		using Register = void (*)(sim::game::BSTEventSource*, void*);
		auto* source = game_function<GetSource>(RE::IDs::Events::SaveLoadEvent::GetEventSource)();
		ASSERT_EQ(source, &world.events.saveLoad);

		Sink first, stopper(1), never;
		for (Sink* sink : { &first, &stopper, &never }) {
			game_function<Register>(RE::IDs::BSTEventSource::RegisterSink)(source, sink);
		}
		const sim::game::SaveLoadEvent event{};
		EXPECT_EQ(sim::deliver(*source, &event), 2u);
		EXPECT_THAT(first.received, ElementsAre(std::pair<const void*, const void*>(&event, source)));
		EXPECT_EQ(stopper.received.size(), 1u);
		EXPECT_TRUE(never.received.empty());
		EXPECT_THAT(world.calls.names(), ElementsAre("SaveLoadEvent::GetEventSource", "RegisterSink", "RegisterSink", "RegisterSink"));
	}

	TEST_F(World, GameStringsFollowForwardingEntriesToTheirText)
	{
		const auto* plain = world.strings.intern("DialogueMenu");
		EXPECT_EQ(world.strings.intern("DialogueMenu"), plain);
		EXPECT_EQ(sim::text_of({ world.strings.forwarding(world.strings.forwarding(plain)) }), "DialogueMenu");
		EXPECT_EQ(sim::text_of({ world.strings.forwarding(nullptr) }), "");
		EXPECT_EQ(sim::text_of({ nullptr }), "");
	}

	TEST_F(World, KeysHeldInTheWorldAreDownForGetKeyState)
	{
		ASSERT_TRUE(sim::redirect_keys(::GetModuleHandleW(nullptr)));
		world.input.bKeyDown['Q'] = true;
		EXPECT_LT(::GetKeyState('Q'), 0);
		EXPECT_EQ(::GetKeyState(VK_SPACE), 0);
		world.input.bKeyDown['Q'] = false;
		EXPECT_EQ(::GetKeyState('Q'), 0);
	}
}
