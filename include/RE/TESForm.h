#pragma once
// A game record: its form ID at 0x28, its type from the virtual function at
// byte 0x110 of its virtual table.
#include <cstdint>

#include "RE/IDs.h"
#include "RE/Offsets.h"
#include "REL/ID.h"

namespace RE
{
	enum class FormType : std::uint8_t
	{
		kACHR = 0x4B,  // an actor
	};

	// The player's reference.
	inline constexpr std::uint32_t kPlayerRefFormID = 0x14;

	class TESForm
	{
	public:
		TESForm() = delete;
		TESForm(const TESForm&) = delete;
		TESForm& operator=(const TESForm&) = delete;

		static constexpr std::size_t kFormIDOffset = 0x28;
		static constexpr std::size_t kGetFormTypeSlot = 0x110;

		std::uint32_t GetFormID() const noexcept { return detail::read_at<std::uint32_t>(this, kFormIDOffset); }

		std::uint8_t GetFormType() const
		{
			using GetFormType_t = std::uint8_t (*)(const TESForm*);
			return detail::virtual_function<GetFormType_t>(this, kGetFormTypeSlot)(this);
		}

		bool IsActor() const { return GetFormType() == static_cast<std::uint8_t>(FormType::kACHR); }

		// The loaded form with a_formID, or null.
		static TESForm* LookupByID(std::uint32_t a_formID)
		{
			using LookupByID_t = TESForm* (*)(std::uint32_t);
			static const REL::Relocation<LookupByID_t> func{ IDs::TESForm::LookupByID };
			return func(a_formID);
		}

		// The game's own name query; null when the form has none.
		const char* GetFullName() const
		{
			using GetFullName_t = const char* (*)(const TESForm*);
			static const REL::Relocation<GetFullName_t> func{ IDs::TESForm::GetFullName };
			return func(this);
		}
	};
}
