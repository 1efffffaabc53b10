#pragma once
// The game's list of reference handles: a list object with a 32-bit count at
// 8 and an array of 8-byte elements at 0x10, each element's handle in its
// upper 32 bits.
#include <cstdint>

#include "RE/IDs.h"
#include "RE/Offsets.h"
#include "REL/ID.h"

namespace RE
{
	class ReferenceHandleList
	{
	public:
		ReferenceHandleList() = delete;
		ReferenceHandleList(const ReferenceHandleList&) = delete;
		ReferenceHandleList& operator=(const ReferenceHandleList&) = delete;

		static constexpr std::size_t kCountOffset = 0x08;
		static constexpr std::size_t kElementsOffset = 0x10;
		static constexpr std::size_t kElementSize = 8;
		static constexpr std::size_t kHandleInElement = 4;

		std::uint32_t size() const noexcept { return detail::read_at<std::uint32_t>(this, kCountOffset); }
		// The handle of element a_index (below size()).
		std::uint32_t handle(std::uint32_t a_index) const noexcept
		{
			const auto* elements = detail::read_at<const std::byte*>(this, kElementsOffset);
			return detail::read_at<std::uint32_t>(elements, a_index * kElementSize + kHandleInElement);
		}

		// The game's list, read anew at each call; may be null.
		static const ReferenceHandleList* GetSingleton()
		{
			static const REL::Relocation<const ReferenceHandleList**> singleton{ IDs::ReferenceHandleList };
			return *singleton;
		}
	};
}
