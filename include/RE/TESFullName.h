#pragma once
// The name component of forms that carry a name, reached from a form by the
// game's run-time cast.
#include "RE/Offsets.h"
#include "RE/RTTI.h"
#include "RE/TESForm.h"

namespace RE
{
	class TESFullName
	{
	public:
		TESFullName() = delete;
		TESFullName(const TESFullName&) = delete;
		TESFullName& operator=(const TESFullName&) = delete;

		static constexpr std::size_t kGetFullNameSlot = 0x60;

		// The form's name component, or null when it has none.
		static const TESFullName* From(const TESForm* a_form)
		{
			return static_cast<const TESFullName*>(RTDynamicCast<IDs::TESForm::TypeDescriptor, IDs::TESFullName::TypeDescriptor>(a_form));
		}

		// The name; may be null.
		const char* GetFullName() const
		{
			using GetFullName_t = const char* (*)(const TESFullName*);
			return detail::virtual_function<GetFullName_t>(this, kGetFullNameSlot)(this);
		}
	};
}
