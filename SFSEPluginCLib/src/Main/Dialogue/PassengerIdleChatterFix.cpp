#include "Dialogue/PassengerIdleChatterFix.h"

#include <string>
#include <string_view>

#include "Helpers/AddressText.h"
#include "Helpers/DialogueQueries.h"
#include "Helpers/FormNames.h"
#include "Helpers/HookSiteChecks.h"
#include "RE/GameString.h"
#include "RE/Natives.h"
#include "RE/UI.h"
#include "Settings/Logging.h"

namespace PassengerIdleChatterFix
{
	namespace
	{
		enum class BlockReason
		{
			kNone,
			kDialogueMenu,
			kInScene,
			kTalking,
		};

		bool IsDialogueMenuOpen()
		{
			const auto* ui = RE::UI::GetSingleton();
			if (!ui) {
				return false;
			}
			const RE::GameString menuName("DialogueMenu");
			return ui->IsMenuOpen(menuName);
		}

		// The three questions, in their fixed order; the first yes decides.
		BlockReason GetBlockReason(RE::TESObjectREFR* akSpeaker)
		{
			if (IsDialogueMenuOpen()) {
				return BlockReason::kDialogueMenu;
			}
			if (RE::ObjectReferenceNative::IsInScene(akSpeaker)) {
				return BlockReason::kInScene;
			}
			if (IsTalking(static_cast<RE::Actor*>(akSpeaker))) {
				return BlockReason::kTalking;
			}
			return BlockReason::kNone;
		}

		std::string_view BlockReasonText(BlockReason a_reason)
		{
			switch (a_reason) {
			case BlockReason::kDialogueMenu:
				return "DialogueMenu";
			case BlockReason::kInScene:
				return "IsInScene";
			case BlockReason::kTalking:
				return "IsTalking";
			default:
				return "";
			}
		}

		std::string Describe(const RE::TESForm* a_form)
		{
			return GetFormDescription(a_form, true, true);
		}

		bool IsActorSpeaker(const RE::TESObjectREFR* akSpeaker)
		{
			return akSpeaker && akSpeaker->IsActor();
		}

		// Whether the line is blocked, after the parameter line a_logParams
		// writes for an actor speaker. Nothing unwinds from here: when our
		// part fails before the answer (a line that can't be built), the
		// game's own function decides, as if the fix weren't there.
		template <class LogParams>
		bool ShouldBlock(std::string_view a_hook, RE::TESObjectREFR* akSpeaker, const LogParams& a_logParams) noexcept
		{
			auto reason = BlockReason::kNone;
			try {
				if (IsActorSpeaker(akSpeaker)) {
					a_logParams();
					reason = GetBlockReason(akSpeaker);
				}
			} catch (...) {
				return false;
			}
			if (reason == BlockReason::kNone) {
				return false;
			}
			try {
				LOG_INFO_AS(a_hook, "blocking IdleChatter | ", BlockReasonText(reason));
			} catch (...) {
			}
			return true;
		}

		template <class Original>
		bool Install(std::string_view a_name, Original& a_original, SFSE::Trampoline& a_trampoline, std::uintptr_t a_site, std::uintptr_t a_hook)
		{
			// Another mod's bytes are left alone: a wrong target taken for
			// the game's function would crash the game on the next idle line.
			if (!IsHookableCallSite(a_name, a_site)) {
				return false;
			}
			// The game's function is kept before the site changes: a game
			// thread may reach the call the instant it is written.
			const auto keep = [&](std::uintptr_t a_previous) { a_original = Original{ a_previous }; };
			return a_trampoline.write_call5(a_site, a_hook, keep) != 0;
		}
	}

	// The game's own function is called exactly once, outside every handler.
	RE::TESTopicInfo* PassengerIdleChatterFunc::SayDialogue01(std::uint64_t a1, std::int32_t a2, std::int32_t a3, RE::TESObjectREFR* akSpeaker,
		RE::TESObjectREFR* akTarget, std::uint64_t a6, std::uint64_t a7, std::uint64_t a8, std::uint64_t a9)
	{
		const auto logParams = [&] {
			LOG_INFO_AS("SayDialogue01", "called | akSpeaker [", Describe(akSpeaker), "] | akTarget [", Describe(akTarget), "] | Params: ",
				"a2: ", a2, " | a3: ", a3, " | a6: ", a6, " | a7: ", a7, " | a8: ", a8, " | a9: ", a9, " | ");
		};
		if (ShouldBlock("SayDialogue01", akSpeaker, logParams)) {
			return nullptr;
		}
		auto* result = func01(a1, a2, a3, akSpeaker, akTarget, a6, a7, a8, a9);
		try {
			LOG_INFO("called | akSpeaker [", Describe(akSpeaker), "] | akTarget [", Describe(akTarget), "] | result: ",
				GetAddressAsHex(reinterpret_cast<std::uintptr_t>(result), false));
		} catch (...) {
		}
		return result;
	}

	std::uint64_t PassengerIdleChatterFunc::SayDialogue02(std::uint64_t a1, RE::TESObjectREFR* akSpeaker, std::int32_t a3, std::int32_t a4,
		std::uint64_t a5, RE::TESObjectREFR* akTarget, char a7, RE::TESTopicInfo* a8, std::uint64_t a9)
	{
		const auto logParams = [&] {
			LOG_INFO_AS("SayDialogue02", "called | akSpeaker [", Describe(akSpeaker), "] | akTarget [", Describe(akTarget), "] | Params: ",
				"a3: ", a3, " | a4: ", a4, " | a5: ", a5, " | a7: ", static_cast<int>(static_cast<signed char>(a7)),
				" | a8: ", GetAddressAsHex(reinterpret_cast<std::uintptr_t>(a8), false), " | a9: ", a9, " | ");
		};
		if (ShouldBlock("SayDialogue02", akSpeaker, logParams)) {
			return 0;
		}
		const auto result = func02(a1, akSpeaker, a3, a4, a5, akTarget, a7, a8, a9);
		try {
			LOG_INFO("called | akSpeaker [", Describe(akSpeaker), "] | akTarget [", Describe(akTarget), "] | result: ", result);
		} catch (...) {
		}
		return result;
	}

	bool PassengerIdleChatterFunc::InstallSayDialogue01(SFSE::Trampoline& a_trampoline, std::uintptr_t a_site)
	{
		return Install("SayDialogue01", func01, a_trampoline, a_site, reinterpret_cast<std::uintptr_t>(&SayDialogue01));
	}

	bool PassengerIdleChatterFunc::InstallSayDialogue02(SFSE::Trampoline& a_trampoline, std::uintptr_t a_site)
	{
		return Install("SayDialogue02", func02, a_trampoline, a_site, reinterpret_cast<std::uintptr_t>(&SayDialogue02));
	}
}
