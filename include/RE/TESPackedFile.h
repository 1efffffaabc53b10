#pragma once
// One loaded data file: its name at 0x38 and its load slots (compile
// indexes) at 0x218 to 0x21B.
#include <cstdint>
#include <string_view>

#include "RE/Offsets.h"

namespace RE
{
	class TESPackedFile
	{
	public:
		TESPackedFile() = delete;
		TESPackedFile(const TESPackedFile&) = delete;
		TESPackedFile& operator=(const TESPackedFile&) = delete;

		static constexpr std::size_t kFileNameOffset = 0x38;
		static constexpr std::size_t kCompileIndexOffset = 0x218;
		static constexpr std::size_t kMediumCompileIndexOffset = 0x219;
		static constexpr std::size_t kSmallCompileIndexOffset = 0x21A;

		const char* GetFileName() const noexcept { return detail::address_at<const char>(this, kFileNameOffset); }
		std::uint8_t GetCompileIndex() const noexcept { return detail::read_at<std::uint8_t>(this, kCompileIndexOffset); }
		std::uint8_t GetMediumCompileIndex() const noexcept { return detail::read_at<std::uint8_t>(this, kMediumCompileIndexOffset); }
		std::uint16_t GetSmallCompileIndex() const noexcept { return detail::read_at<std::uint16_t>(this, kSmallCompileIndexOffset); }
	};
}
