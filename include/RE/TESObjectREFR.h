#pragma once
// A form placed in the world: its base object at 0x98, its extra data at
// 0xC8 (may be null).
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
	};

	// A reference of form type 0x4B.
	class Actor : public TESObjectREFR
	{};

	// The game's record of one line of dialogue; only passed along.
	class TESTopicInfo;
}
