#include "Helpers/BytePatch.h"

#include <array>
#include <atomic>
#include <cstring>
#include <exception>

#include "SFSE/Memory.h"
#include "Settings/Logging.h"

namespace
{
	// Windows pages are 4 KiB or larger, so a patch of at most MaxPatchSize
	// bytes touches at most two.
	constexpr std::uintptr_t MinPageSize = 4096;
	constexpr std::size_t MaxPatchPages = (MaxPatchSize - 1) / MinPageSize + 2;

	struct PageProtection
	{
		std::uintptr_t page{ 0 };
		std::uint32_t protection{ 0 };
	};

	// Bytes that lie within one aligned 8-byte word go in with one atomic
	// store of the whole word (a compare-exchange, so that the word's other
	// bytes are kept as they are): a game thread running the code sees the
	// old instruction or the new one, never a mix. Others are copied.
	void StoreBytes(std::uintptr_t a_address, const std::vector<std::uint8_t>& a_bytes) noexcept
	{
		const auto offset = a_address % sizeof(std::uint64_t);
		if (offset + a_bytes.size() > sizeof(std::uint64_t)) {
			std::memcpy(reinterpret_cast<void*>(a_address), a_bytes.data(), a_bytes.size());
			return;
		}
		std::atomic_ref word(*reinterpret_cast<std::uint64_t*>(a_address - offset));
		auto seen = word.load(std::memory_order_relaxed);
		for (;;) {
			auto wanted = seen;
			std::memcpy(reinterpret_cast<std::uint8_t*>(&wanted) + offset, a_bytes.data(), a_bytes.size());
			if (word.compare_exchange_weak(seen, wanted, std::memory_order_release, std::memory_order_relaxed)) {
				return;
			}
		}
	}

	// Puts back what each page had; false if any page refused (the others
	// are still restored).
	bool RestorePages(SFSE::memory::Memory& a_memory, const PageProtection* a_pages, std::size_t a_count) noexcept
	{
		bool restored = true;
		for (std::size_t i = 0; i < a_count; ++i) {
			std::uint32_t ignored = 0;
			restored = a_memory.protect(a_pages[i].page, 1, a_pages[i].protection, ignored) && restored;
		}
		return restored;
	}
}

bool WriteBytes(std::vector<std::uint8_t> BytesToWrite, std::uint64_t TargetAddress)
{
	try {
		if (TargetAddress == 0) {
			LOG_ERROR("TargetAddressBytePtr is nullptr");
			return false;
		}
		if (BytesToWrite.empty()) {
			LOG_ERROR("BytesToWrite.size == 0");
			return false;
		}
		if (BytesToWrite.size() > MaxPatchSize) {
			LOG_ERROR("BytesToWrite.size [", BytesToWrite.size(), "] is over the limit of ", MaxPatchSize, " bytes");
			return false;
		}

		// Page by page: the bytes may end in a page with another protection
		// (data after the code), and each page must get its own back.
		auto& memory = SFSE::memory::current();
		const std::uintptr_t pageSize = memory.page_size();
		const auto first = static_cast<std::uintptr_t>(TargetAddress);
		const auto last = first + BytesToWrite.size() - 1;
		if (pageSize < MinPageSize || last < first) {
			// No page size to work by, or bytes past the end of the address
			// space: no protection change could succeed.
			LOG_ERROR("VirtualProtect error 01.");
			return false;
		}
		std::array<PageProtection, MaxPatchPages> pages{};
		const std::size_t pageCount = last / pageSize - first / pageSize + 1;
		for (std::size_t i = 0; i < pageCount; ++i) {
			const auto page = (first / pageSize + i) * pageSize;
			if (!memory.protect(page, 1, SFSE::memory::kPageExecuteReadWrite, pages[i].protection)) {
				RestorePages(memory, pages.data(), i);
				LOG_ERROR("VirtualProtect error 01.");
				return false;
			}
			pages[i].page = page;
		}

		StoreBytes(first, BytesToWrite);
		// The processor may still hold the old instructions.
		memory.flush_instruction_cache(first, BytesToWrite.size());

		if (!RestorePages(memory, pages.data(), pageCount)) {
			LOG_ERROR("VirtualProtect error 02.");
			return false;
		}
		return true;
	} catch (const std::exception&) {
		// Only a log text can throw (no memory left for it).
		return false;
	}
}

bool ReadCompareBytes(std::vector<std::uint8_t> BytesToCompareWith, std::uint64_t TargetAddress)
{
	try {
		if (TargetAddress == 0) {
			LOG_ERROR("TargetAddressBytePtr is nullptr");
			return false;
		}
		if (BytesToCompareWith.empty()) {
			LOG_ERROR("BytesToCompareWith.size == 0");
			return false;
		}
		// Code pages are readable as they are.
		return std::memcmp(reinterpret_cast<const void*>(static_cast<std::uintptr_t>(TargetAddress)), BytesToCompareWith.data(), BytesToCompareWith.size()) == 0;
	} catch (const std::exception&) {
		return false;
	}
}
