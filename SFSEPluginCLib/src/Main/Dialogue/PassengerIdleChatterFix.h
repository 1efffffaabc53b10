#pragma once
// The passenger idle chatter fix: two replacements for the calls with which
// the game picks and starts a speaker's idle line. An actor speaker gets no
// line while the dialogue menu is open, while it plays a scene or while it is
// still talking; everything else goes on to the game's own function with the
// arguments unchanged.
#include <cstdint>

#include "RE/TESObjectREFR.h"
#include "REL/ID.h"
#include "SFSE/Trampoline.h"

namespace PassengerIdleChatterFix
{
	struct PassengerIdleChatterFunc
	{
		// Null (no line) when blocked.
		static RE::TESTopicInfo* SayDialogue01(std::uint64_t a1, std::int32_t a2, std::int32_t a3, RE::TESObjectREFR* akSpeaker,
			RE::TESObjectREFR* akTarget, std::uint64_t a6, std::uint64_t a7, std::uint64_t a8, std::uint64_t a9);
		// 0 when blocked.
		static std::uint64_t SayDialogue02(std::uint64_t a1, RE::TESObjectREFR* akSpeaker, std::int32_t a3, std::int32_t a4,
			std::uint64_t a5, RE::TESObjectREFR* akTarget, char a7, RE::TESTopicInfo* a8, std::uint64_t a9);

		// The game's functions the two calls went to, kept when the hooks are
		// installed and never changed afterwards.
		static inline REL::Relocation<decltype(SayDialogue01)> func01;
		static inline REL::Relocation<decltype(SayDialogue02)> func02;

		// Hooks the relative call at a_site through a_trampoline and keeps its
		// previous target. False, with nothing changed, when the site holds
		// no relative call or leads to the hook already.
		static bool InstallSayDialogue01(SFSE::Trampoline& a_trampoline, std::uintptr_t a_site);
		static bool InstallSayDialogue02(SFSE::Trampoline& a_trampoline, std::uintptr_t a_site);
	};
}
