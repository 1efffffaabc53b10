#include "GameTest.h"

#include "RE/TESObjectREFR.h"
#include "Settings/Logging.h"

namespace test
{
	GameTest::GameTest() :
		world(sim::world())
	{
		world.reset();
		bLogging = true;
	}

	GameTest::~GameTest()
	{
		bLogging = true;
	}

	sim::game::Actor& GameTest::AddActor(std::string_view a_name, std::uint32_t a_formID)
	{
		return world.references.add_actor(world.forms, a_name, a_formID);
	}

	RE::TESForm* GameTest::AsForm(sim::game::TESForm& a_form) { return reinterpret_cast<RE::TESForm*>(&a_form); }
	RE::TESForm* GameTest::AsForm(sim::game::TESObjectREFR& a_ref) { return reinterpret_cast<RE::TESForm*>(&a_ref); }
	RE::TESForm* GameTest::AsForm(sim::game::Actor& a_actor) { return reinterpret_cast<RE::TESForm*>(&a_actor); }
	RE::TESObjectREFR* GameTest::AsRef(sim::game::TESObjectREFR& a_ref) { return reinterpret_cast<RE::TESObjectREFR*>(&a_ref); }
	RE::TESObjectREFR* GameTest::AsRef(sim::game::Actor& a_actor) { return reinterpret_cast<RE::TESObjectREFR*>(&a_actor); }
	RE::Actor* GameTest::AsActor(sim::game::Actor& a_actor) { return reinterpret_cast<RE::Actor*>(&a_actor); }
}
