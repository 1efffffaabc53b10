#pragma once
// The game's data handler: three lists of loaded files, each a 32-bit count
// at 0 and a pointer to the array of file pointers at 8.
#include <cstdint>

#include "RE/IDs.h"
#include "RE/Offsets.h"
#include "RE/TESPackedFile.h"
#include "REL/ID.h"

namespace RE
{
	class TESFileArray
	{
	public:
		TESFileArray() = delete;
		TESFileArray(const TESFileArray&) = delete;
		TESFileArray& operator=(const TESFileArray&) = delete;

		std::uint32_t size() const noexcept { return detail::read_at<std::uint32_t>(this, 0); }
		// The file at a_index (below size()); may be null.
		TESPackedFile* at(std::uint32_t a_index) const noexcept
		{
			const auto* files = detail::read_at<TESPackedFile* const*>(this, 8);
			return files ? files[a_index] : nullptr;
		}
	};

	class DataHandler
	{
	public:
		DataHandler() = delete;
		DataHandler(const DataHandler&) = delete;
		DataHandler& operator=(const DataHandler&) = delete;

		static constexpr std::size_t kFileAOffset = 0x1548;        // full files
		static constexpr std::size_t kSmallFileAOffset = 0x1558;   // small files
		static constexpr std::size_t kMediumFileAOffset = 0x1568;  // medium files

		const TESFileArray& FileA() const noexcept { return *detail::address_at<const TESFileArray>(this, kFileAOffset); }
		const TESFileArray& SmallFileA() const noexcept { return *detail::address_at<const TESFileArray>(this, kSmallFileAOffset); }
		const TESFileArray& MediumFileA() const noexcept { return *detail::address_at<const TESFileArray>(this, kMediumFileAOffset); }

		// The game's data handler, read anew at each call; null before the
		// game has one.
		static DataHandler* GetSingleton()
		{
			static const REL::Relocation<DataHandler**> singleton{ IDs::DataHandler };
			return *singleton;
		}
	};
}
