#include "GameTest.h"

#include "Logging.h"
#include "RE/TESObjectREFR.h"

namespace test
{
	GameTest::GameTest() :
		world(sim::reset_world())
	{
		bLogging = true;
	}

	GameTest::~GameTest()
	{
		bLogging = true;
	}

	RE::TESForm* GameTest::AsForm(sim::Form& a_form) { return reinterpret_cast<RE::TESForm*>(a_form.game()); }
	RE::TESObjectREFR* GameTest::AsRef(sim::Form& a_form) { return reinterpret_cast<RE::TESObjectREFR*>(a_form.game()); }
	RE::Actor* GameTest::AsActor(sim::Form& a_form) { return reinterpret_cast<RE::Actor*>(a_form.game()); }
}
