#pragma once
// A reference's extra data: a lock at 0x20 and, at 8, the list the game's
// search by type walks. Display names are extra data of type 0x96, with
// their game string at 0x18 of the entry.
#include <cstdint>
#include <string_view>

#include "RE/GameString.h"
#include "RE/IDs.h"
#include "RE/Offsets.h"
#include "RE/ReferenceLock.h"
#include "REL/ID.h"

namespace RE
{
	enum class ExtraDataType : std::uint32_t
	{
		kTextDisplayData = 0x96,
	};

	class ExtraDataList
	{
	public:
		ExtraDataList() = delete;
		ExtraDataList(const ExtraDataList&) = delete;
		ExtraDataList& operator=(const ExtraDataList&) = delete;

		static constexpr std::size_t kEntriesOffset = 0x08;
		static constexpr std::size_t kLockOffset = 0x20;
		static constexpr std::size_t kDisplayNameOffset = 0x18;  // in an entry of type 0x96

		void* GetLock() const noexcept { return detail::address_at(this, kLockOffset); }

		// The entry of a_type, or null. The caller holds the lock.
		const void* GetByType(ExtraDataType a_type) const
		{
			using GetByType_t = const void* (*)(const void*, std::uint32_t);
			static const REL::Relocation<GetByType_t> func{ IDs::ExtraDataList::GetByType };
			return func(detail::address_at(this, kEntriesOffset), static_cast<std::uint32_t>(a_type));
		}

		// The entry of the display name under the list's lock; its text is
		// read after the lock is released.
		const void* GetDisplayNameEntry() const
		{
			const void* entry = nullptr;
			{
				const ReferenceLockGuard guard(GetLock());
				entry = GetByType(ExtraDataType::kTextDisplayData);
			}
			return entry ? detail::read_at<const void*>(entry, kDisplayNameOffset) : nullptr;
		}
	};
}
