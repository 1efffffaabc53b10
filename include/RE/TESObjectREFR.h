#pragma once
// A form placed in the world: its base object at 0x98, its extra data at
// 0xC8 (may be null). Actors answer two questions through their virtual
// table: combat at byte 0xB60, a form check at byte 0xBA8.
#include "RE/ExtraDataList.h"
#include "RE/IDs.h"
#include "RE/Offsets.h"
#include "RE/TESForm.h"
#include "REL/ID.h"

namespace RE
{
	class TESObjectREFR : public TESForm
	{
	public:
		static constexpr std::size_t kBaseObjectOffset = 0x98;
		static constexpr std::size_t kExtraDataListOffset = 0xC8;

		TESForm* GetBaseObject() const noexcept { return detail::read_at<TESForm*>(this, kBaseObjectOffset); }
		ExtraDataList* GetExtraDataList() const noexcept { return detail::read_at<ExtraDataList*>(this, kExtraDataListOffset); }

		// Gives back one counted reference the game handed out.
		static void Release(TESObjectREFR* a_ref)
		{
			using Release_t = void (*)(TESObjectREFR*);
			static const REL::Relocation<Release_t> func{ IDs::TESObjectREFR::Release };
			func(a_ref);
		}

		// The game's own test of the reference against a form.
		bool MatchesForm(const TESForm* a_form) const
		{
			using MatchesForm_t = std::uint64_t (*)(const TESObjectREFR*, const TESForm*);
			static const REL::Relocation<MatchesForm_t> func{ IDs::TESObjectREFR::MatchesForm };
			return static_cast<std::uint8_t>(func(this, a_form)) != 0;
		}
	};

	// A reference of form type 0x4B.
	class Actor : public TESObjectREFR
	{
	public:
		static constexpr std::size_t kIsInCombatSlot = 0xB60;
		static constexpr std::size_t kCheckFormSlot = 0xBA8;

		// The game returns its bools in the low byte alone.
		bool IsInCombat() const
		{
			using IsInCombat_t = std::uint64_t (*)(const Actor*);
			return static_cast<std::uint8_t>(detail::virtual_function<IsInCombat_t>(this, kIsInCombatSlot)(this)) != 0;
		}

		bool CheckForm(const TESForm* a_form) const
		{
			using CheckForm_t = std::uint64_t (*)(const Actor*, const TESForm*);
			return static_cast<std::uint8_t>(detail::virtual_function<CheckForm_t>(this, kCheckFormSlot)(this, a_form)) != 0;
		}
	};

	// The game's record of one line of dialogue; only passed along.
	class TESTopicInfo;
}
