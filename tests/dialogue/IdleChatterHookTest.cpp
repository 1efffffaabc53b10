#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <fmt/format.h>
#include <fmt/ranges.h>
#include <windows.h>

#include "Dialogue/PassengerIdleChatterFix.h"
#include "GameTest.h"
#include "Helpers/AddressText.h"
#include "ProtectedPage.h"
#include "RE/IDs.h"
#include "REL/ID.h"
#include "SFSE/Memory.h"
#include "SFSE/Trampoline.h"
#include "Settings/Logging.h"
#include "sim/Verbs.h"
#include "sim/code/Code.h"

namespace
{
	using PassengerIdleChatterFix::PassengerIdleChatterFunc;
	using testing::ElementsAre;
	using testing::ElementsAreArray;
	using testing::HasSubstr;
	using testing::IsEmpty;

	std::uintptr_t Site(std::ptrdiff_t a_displacement)
	{
		return REL::Relocation<std::uintptr_t*>(RE::IDs::DialogueCallSites::Function, a_displacement).address();
	}

	std::array<std::uint8_t, 5> BytesAt(std::uintptr_t a_address)
	{
		std::array<std::uint8_t, 5> bytes;
		std::memcpy(bytes.data(), reinterpret_cast<const void*>(a_address), bytes.size());
		return bytes;
	}

	std::string At(const sim::game::TESObjectREFR& a_ref)
	{
		return fmt::format("{:X}", reinterpret_cast<std::uintptr_t>(&a_ref));
	}

	// The game's dialogue function with both calls as the game has them; each
	// test that hooks them puts the game's bytes back when it ends.
	class IdleChatterHookTest : public test::GameTest
	{
	protected:
		IdleChatterHookTest() :
			site01(Site(RE::IDs::DialogueCallSites::FirstCall)),
			site02(Site(RE::IDs::DialogueCallSites::SecondCall)),
			game01(BytesAt(site01)),
			game02(BytesAt(site02))
		{
			world.dialogue.firstLineResult = reinterpret_cast<sim::game::TESTopicInfo*>(std::uintptr_t{ 0x7F00123456 });
			world.dialogue.uSecondLineResult = 42;
			args.akSpeaker = &mira.ref;
			args.akTarget = &player.ref;
		}

		~IdleChatterHookTest() override
		{
			Restore(site01, game01);
			Restore(site02, game02);
		}

		static void Restore(std::uintptr_t a_site, const std::array<std::uint8_t, 5>& a_bytes)
		{
			DWORD old = 0;
			::VirtualProtect(reinterpret_cast<void*>(a_site), 5, PAGE_EXECUTE_READWRITE, &old);
			std::memcpy(reinterpret_cast<void*>(a_site), a_bytes.data(), a_bytes.size());
			::VirtualProtect(reinterpret_cast<void*>(a_site), 5, old, &old);
		}

		void Install()
		{
			trampoline.create(512);
			ASSERT_TRUE(PassengerIdleChatterFunc::InstallSayDialogue01(trampoline, site01));
			ASSERT_TRUE(PassengerIdleChatterFunc::InstallSayDialogue02(trampoline, site02));
		}

		// Both calls travelled site -> stub -> hook -> the game's function:
		// the stack and the callee-saved registers are as they were.
		static void ExpectClean(const sim::code::DialogueRun& a_outcome)
		{
			EXPECT_TRUE(a_outcome.bStackKept);
			EXPECT_TRUE(a_outcome.bRegistersKept);
		}

		std::string Description(const sim::game::Actor& a_actor, const char* a_name) const
		{
			return fmt::format("[{} | {:08X} | 75 | {}]", At(a_actor.ref), a_actor.ref.form.formID, a_name);
		}

		// The calls that reached the game's two idle-line functions.
		std::vector<sim::Call> IdleLines() const
		{
			std::vector<sim::Call> lines;
			for (const auto& call : world.calls.all()) {
				if (call.function == "FirstIdleLine" || call.function == "SecondIdleLine") {
					lines.push_back(call);
				}
			}
			return lines;
		}

		// The argument a_argument of each call of a_function, in order.
		std::vector<std::uint64_t> Asked(std::string_view a_function, std::size_t a_argument) const
		{
			std::vector<std::uint64_t> asked;
			for (const auto& call : world.calls.of(a_function)) {
				asked.push_back(call.arguments.at(a_argument));
			}
			return asked;
		}

		sim::game::Actor& mira = AddActor("Mira", 0x0001A2B3);
		sim::game::Actor& player = AddActor("Player", 0x14);
		sim::IdleLineArgs args;
		SFSE::Trampoline trampoline{ "Test Trampoline" };
		std::uintptr_t site01;
		std::uintptr_t site02;
		std::array<std::uint8_t, 5> game01;
		std::array<std::uint8_t, 5> game02;
	};

	TEST_F(IdleChatterHookTest, BeforeInstallationTheGamesOwnFunctionsAnswer)
	{
		const auto first = sim::say_first_idle_line(args);
		const auto second = sim::say_second_idle_line(args);
		EXPECT_EQ(first.result, 0x7F00123456u);
		EXPECT_EQ(second.result, 42u);
		ExpectClean(first);
		ExpectClean(second);
		EXPECT_THAT(world.calls.names(), ElementsAre("FirstIdleLine", "SecondIdleLine"));
		EXPECT_THAT(world.dialogue.entryAlignments, ElementsAre(8u, 8u));
		EXPECT_EQ(game01[0], 0xE8);
		EXPECT_EQ(game02[0], 0xE8);
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(IdleChatterHookTest, TheSitesCallThroughOneStubPerHookAndKeepTheGamesTargets)
	{
		Install();
		EXPECT_EQ(PassengerIdleChatterFunc::func01.address(), reinterpret_cast<std::uintptr_t>(sim_IdleLine01Entry));
		EXPECT_EQ(PassengerIdleChatterFunc::func02.address(), reinterpret_cast<std::uintptr_t>(sim_IdleLine02Entry));
		EXPECT_EQ(trampoline.size(), 28u);

		const struct
		{
			std::uintptr_t site;
			std::uintptr_t hook;
		} hooks[] = {
			{ site01, reinterpret_cast<std::uintptr_t>(&PassengerIdleChatterFunc::SayDialogue01) },
			{ site02, reinterpret_cast<std::uintptr_t>(&PassengerIdleChatterFunc::SayDialogue02) },
		};
		for (const auto& hook : hooks) {
			const auto stub = trampoline.stub_of(hook.hook);
			ASSERT_NE(stub, 0u);
			const auto displacement = static_cast<std::int32_t>(stub - (hook.site + 5));
			std::array<std::uint8_t, 5> call{ 0xE8 };
			std::memcpy(&call[1], &displacement, 4);
			EXPECT_EQ(BytesAt(hook.site), call);
			std::array<std::uint8_t, 14> jump{ 0xFF, 0x25, 0, 0, 0, 0 };
			std::memcpy(&jump[6], &hook.hook, 8);
			EXPECT_EQ(0, std::memcmp(reinterpret_cast<const void*>(stub), jump.data(), jump.size()));
		}

		// A second installation finds the hooks in place and keeps the game's
		// functions as the ones to call.
		EXPECT_FALSE(PassengerIdleChatterFunc::InstallSayDialogue01(trampoline, site01));
		EXPECT_FALSE(PassengerIdleChatterFunc::InstallSayDialogue02(trampoline, site02));
		EXPECT_EQ(PassengerIdleChatterFunc::func01.address(), reinterpret_cast<std::uintptr_t>(sim_IdleLine01Entry));
		EXPECT_EQ(trampoline.size(), 28u);
	}

	TEST_F(IdleChatterHookTest, AFreeSpeakerGetsTheGamesLineWithEveryArgumentUnchanged)
	{
		Install();
		args.a2 = -7;
		args.a3 = 0x7FFFFFFF;
		args.c7 = static_cast<char>(0x85);                                      // -123, with other bytes above it in its slot
		args.a8 = reinterpret_cast<std::uintptr_t>(&world.dialogue.topicInfo);  // a topic info pointer for the second call

		const auto first = sim::say_first_idle_line(args);
		const auto second = sim::say_second_idle_line(args);
		EXPECT_EQ(first.result, 0x7F00123456u);
		EXPECT_EQ(second.result, 42u);
		ExpectClean(first);
		ExpectClean(second);

		const auto speaker = reinterpret_cast<std::uintptr_t>(&mira);
		const auto target = reinterpret_cast<std::uintptr_t>(&player);
		const auto lines = IdleLines();
		ASSERT_EQ(lines.size(), 2u);
		EXPECT_EQ(lines[0].function, "FirstIdleLine");
		EXPECT_THAT(lines[0].arguments, ElementsAre(args.a1, static_cast<std::uint64_t>(-7), 0x7FFFFFFFu, speaker, target, args.a6, args.a7, args.a8, args.a9));
		EXPECT_EQ(lines[1].function, "SecondIdleLine");
		EXPECT_THAT(lines[1].arguments, ElementsAre(args.a1, speaker, static_cast<std::uint64_t>(-7), 0x7FFFFFFFu, args.a5, target, static_cast<std::uint64_t>(-123), args.a8, args.a9));
		EXPECT_THAT(world.dialogue.entryAlignments, ElementsAre(8u, 8u));

		// Each question asked once per call, in order, and the menu name given back.
		EXPECT_THAT(world.menus.asked, ElementsAre("DialogueMenu", "DialogueMenu"));
		EXPECT_THAT(Asked("IsInScene", 2), ElementsAre(speaker, speaker));
		EXPECT_THAT(Asked("IsTalking", 2), ElementsAre(speaker, speaker));
		EXPECT_EQ(world.calls.of("GameString").size(), 2u);
		EXPECT_EQ(world.calls.of("GameString::Release").size(), 2u);

		const auto mi = Description(mira, "Mira");
		const auto pl = Description(player, "Player");
		EXPECT_THAT(Entries(), ElementsAre(fmt::format("info: [SayDialogue01] called | akSpeaker {} | akTarget {} | Params: a2: -7 | a3: 2147483647 | a6: {} | a7: {} | a8: {} | a9: {} | ", fmt::format("[{}]", mi), fmt::format("[{}]", pl), args.a6, args.a7, args.a8, args.a9), fmt::format("info: [SayDialogue01] called | akSpeaker [{}] | akTarget [{}] | result: 7F00123456", mi, pl), fmt::format("info: [SayDialogue02] called | akSpeaker [{}] | akTarget [{}] | Params: a3: -7 | a4: 2147483647 | a5: {} | a7: -123 | a8: {:X} | a9: {} | ", mi, pl, args.a5, args.a8, args.a9), fmt::format("info: [SayDialogue02] called | akSpeaker [{}] | akTarget [{}] | result: 42", mi, pl)));
	}

	// A question that fails inside our part: nothing unwinds into the
	// game's dialogue function, and the game's own function decides, once.
	TEST_F(IdleChatterHookTest, AFailingQuestionLetsTheGamesFunctionDecide)
	{
		Install();
		mira.bTalking = true;  // a question that could answer would block
		for (const char* failing : { "IsMenuOpen", "IsInScene", "IsTalking" }) {
			SCOPED_TRACE(failing);
			world.calls.clear();
			world.calls.fail_next(failing);
			const auto first = sim::say_first_idle_line(args);
			EXPECT_EQ(first.result, 0x7F00123456u);
			ExpectClean(first);
			world.calls.fail_next(failing);
			EXPECT_EQ(sim::say_second_idle_line(args).result, 42u);
			EXPECT_EQ(IdleLines().size(), 2u);
		}
	}

	TEST_F(IdleChatterHookTest, AnActorIsBlockedByTheFirstQuestionThatSaysYes)
	{
		Install();
		struct Case
		{
			bool menu, scene, talking;
			const char* reason;
			std::size_t scenesAsked, talkingAsked;
		};
		const Case cases[] = {
			{ true, true, true, "DialogueMenu", 0, 0 },
			{ false, true, true, "IsInScene", 1, 0 },
			{ false, false, true, "IsTalking", 1, 1 },
		};
		for (const auto& c : cases) {
			for (const int function : { 1, 2 }) {
				world.menus.open.clear();
				if (c.menu) {
					world.menus.open.insert("DialogueMenu");
				}
				mira.bInScene = c.scene;
				mira.bTalking = c.talking;
				world.calls.clear();
				const test::TestLog caseLog;

				const auto outcome = function == 1 ? sim::say_first_idle_line(args) : sim::say_second_idle_line(args);
				EXPECT_EQ(outcome.result, 0u) << c.reason << function;
				ExpectClean(outcome);
				EXPECT_THAT(IdleLines(), IsEmpty()) << c.reason;
				EXPECT_EQ(world.calls.of("IsInScene").size(), c.scenesAsked) << c.reason;
				EXPECT_EQ(world.calls.of("IsTalking").size(), c.talkingAsked) << c.reason;
				const auto entries = caseLog.entries();
				ASSERT_EQ(entries.size(), 2u) << c.reason;
				EXPECT_THAT(entries[0], HasSubstr("] called | akSpeaker ["));
				EXPECT_EQ(entries[1], fmt::format("info: [SayDialogue0{}] blocking IdleChatter | {}", function, c.reason));
			}
		}
	}

	TEST_F(IdleChatterHookTest, ANonActorOrNoSpeakerIsNeverBlockedNorAskedAbout)
	{
		Install();
		world.menus.open.insert("DialogueMenu");
		auto& radio = world.references.add_reference(0x00ABCDEF, sim::kActivatorFormType, &world.forms.add_base(0x00ABC000, "Radio", 0x25));
		for (sim::game::TESObjectREFR* speaker : { &radio, static_cast<sim::game::TESObjectREFR*>(nullptr) }) {
			args.akSpeaker = speaker;
			EXPECT_EQ(sim::say_first_idle_line(args).result, 0x7F00123456u);
			EXPECT_EQ(sim::say_second_idle_line(args).result, 42u);
		}
		EXPECT_EQ(IdleLines().size(), 4u);
		EXPECT_THAT(world.menus.asked, IsEmpty());
		EXPECT_THAT(world.calls.of("IsInScene"), IsEmpty());
		EXPECT_THAT(world.calls.of("IsTalking"), IsEmpty());
		const auto entries = Entries();
		ASSERT_EQ(entries.size(), 4u);
		EXPECT_EQ(entries[0], fmt::format("info: [SayDialogue01] called | akSpeaker [[{} | 00ABCDEF | 37 | Radio]] | akTarget [{}] | result: 7F00123456", At(radio), Description(player, "Player")));
		EXPECT_EQ(entries[3], fmt::format("info: [SayDialogue02] called | akSpeaker [!!! ERROR: nullptr form !!!] | akTarget [{}] | result: 42", Description(player, "Player")));
	}

	TEST_F(IdleChatterHookTest, WithLoggingOffNothingIsWrittenAndTheHooksBehaveTheSame)
	{
		Install();
		bLogging = false;
		EXPECT_EQ(sim::say_first_idle_line(args).result, 0x7F00123456u);
		mira.bTalking = true;
		EXPECT_EQ(sim::say_second_idle_line(args).result, 0u);
		EXPECT_EQ(IdleLines().size(), 1u);
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(IdleChatterHookTest, ASiteWithoutARelativeCallIsLeftAlone)
	{
		trampoline.create(512);
		const auto before = PassengerIdleChatterFunc::func01.address();
		EXPECT_FALSE(PassengerIdleChatterFunc::InstallSayDialogue01(trampoline, site01 - 1));
		EXPECT_EQ(PassengerIdleChatterFunc::func01.address(), before);
		EXPECT_EQ(trampoline.size(), 0u);
		EXPECT_EQ(BytesAt(site01), game01);
	}

	// The system's memory, noting what the hooks kept as the game's
	// functions at the moment each call site is opened for writing.
	class SiteWriteWatch final : public SFSE::memory::Memory
	{
	public:
		SiteWriteWatch(std::uintptr_t a_site01, std::uintptr_t a_site02) :
			_site01(a_site01), _site02(a_site02) {}

		std::vector<std::uintptr_t> keptAtWrite;

		bool protect(std::uintptr_t a_address, std::size_t a_size, std::uint32_t a_protection, std::uint32_t& a_old) noexcept override
		{
			if (a_protection == SFSE::memory::kPageExecuteReadWrite) {
				if (a_address == _site01) {
					keptAtWrite.push_back(PassengerIdleChatterFunc::func01.address());
				} else if (a_address == _site02) {
					keptAtWrite.push_back(PassengerIdleChatterFunc::func02.address());
				}
			}
			return _system.protect(a_address, a_size, a_protection, a_old);
		}
		bool query(std::uintptr_t a_address, SFSE::memory::Region& a_region) noexcept override { return _system.query(a_address, a_region); }
		void* allocate(std::uintptr_t a_address, std::size_t a_size, std::uint32_t a_protection) noexcept override { return _system.allocate(a_address, a_size, a_protection); }
		bool release(void* a_address) noexcept override { return _system.release(a_address); }
		std::uint32_t allocation_granularity() noexcept override { return _system.allocation_granularity(); }
		std::uint32_t page_size() noexcept override { return _system.page_size(); }
		void flush_instruction_cache(std::uintptr_t a_address, std::size_t a_size) noexcept override { _system.flush_instruction_cache(a_address, a_size); }
		std::uint32_t last_error() noexcept override { return _system.last_error(); }

	private:
		SFSE::memory::Memory& _system{ SFSE::memory::system() };
		std::uintptr_t _site01;
		std::uintptr_t _site02;
	};

	TEST_F(IdleChatterHookTest, TheGamesFunctionIsKeptBeforeItsCallSiteIsWritten)
	{
		PassengerIdleChatterFunc::func01 = {};
		PassengerIdleChatterFunc::func02 = {};
		SiteWriteWatch watch(site01, site02);
		{
			const SFSE::memory::ScopedOverride seam(watch);
			Install();
		}
		EXPECT_THAT(watch.keptAtWrite, ElementsAre(reinterpret_cast<std::uintptr_t>(sim_IdleLine01Entry), reinterpret_cast<std::uintptr_t>(sim_IdleLine02Entry)));
	}

	// Another mod that hooked the first call before us: its stub, in a block
	// of its own, leads on to the game's function.
	TEST_F(IdleChatterHookTest, AnotherModsChainedCallKeepsWorkingThroughTheHook)
	{
		SFSE::Trampoline otherMod{ "Other Mod" };
		otherMod.create(64);
		const auto gameTarget = reinterpret_cast<std::uintptr_t>(sim_IdleLine01Entry);
		ASSERT_EQ(otherMod.write_call5(site01, gameTarget), gameTarget);
		const auto otherStub = otherMod.stub_of(gameTarget);

		Install();
		EXPECT_EQ(PassengerIdleChatterFunc::func01.address(), otherStub);
		EXPECT_THAT(Entries(), IsEmpty());
		const auto free = sim::say_first_idle_line(args);
		EXPECT_EQ(free.result, 0x7F00123456u);
		ExpectClean(free);
		mira.bTalking = true;
		EXPECT_EQ(sim::say_first_idle_line(args).result, 0u);
		EXPECT_EQ(IdleLines().size(), 1u);
	}

	std::uint64_t g_notCode = 0;

	TEST_F(IdleChatterHookTest, ForeignBytesAtASiteAreLeftAloneWithOneErrorLine)
	{
		trampoline.create(512);
		const auto rel = [this](std::uintptr_t a_target) {
			const auto displacement = static_cast<std::int32_t>(a_target - (site01 + 5));
			std::array<std::uint8_t, 4> bytes;
			std::memcpy(bytes.data(), &displacement, 4);
			return bytes;
		};
		const test::ProtectedPage guardedPage(site01, PAGE_EXECUTE_READ | PAGE_GUARD);
		const test::ProtectedPage noAccessPage(site01, PAGE_NOACCESS);
		const auto data = rel(reinterpret_cast<std::uintptr_t>(&g_notCode));
		const auto code = rel(reinterpret_cast<std::uintptr_t>(sim_IdleLine01Entry));
		const auto guarded = rel(guardedPage.address());
		const auto noAccess = rel(noAccessPage.address());
		const std::array<std::uint8_t, 5> cases[] = {
			{ 0xE9, code[0], code[1], code[2], code[3] },              // a jump, not a call
			{ 0xFF, 0x15, 0x10, 0x00, 0x00 },                          // an indirect call
			{ 0xE8, data[0], data[1], data[2], data[3] },              // a call into data
			{ 0xE8, 0xF0, 0xFF, 0xFF, 0x7F },                          // a call into nothing
			{ 0xE8, guarded[0], guarded[1], guarded[2], guarded[3] },  // into a guard page
			{ 0xE8, noAccess[0], noAccess[1], noAccess[2], noAccess[3] },
		};
		const auto before = PassengerIdleChatterFunc::func01.address();
		for (const auto& bytes : cases) {
			Restore(site01, bytes);
			const test::TestLog caseLog;
			EXPECT_FALSE(PassengerIdleChatterFunc::InstallSayDialogue01(trampoline, site01));
			EXPECT_EQ(BytesAt(site01), bytes);
			EXPECT_EQ(PassengerIdleChatterFunc::func01.address(), before);
			EXPECT_EQ(trampoline.size(), 0u);
			EXPECT_THAT(caseLog.entries(),
				ElementsAre(fmt::format("error: SayDialogue01 not hooked | the call site {} holds {:02X}, not a relative call into executable code",
					GetAddressAsHex(site01, true), fmt::join(bytes, " "))));
		}
		// The other call is still hooked.
		EXPECT_TRUE(PassengerIdleChatterFunc::InstallSayDialogue02(trampoline, site02));
	}
}
