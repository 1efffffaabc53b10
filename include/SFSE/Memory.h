#pragma once
// The one seam between the framework and the operating system's memory
// manager: region queries, allocation, protection, the allocation granularity
// and instruction-cache flushing. The trampoline's search and the byte
// patcher talk to memory only through it, so a test can hand them the
// answers it wants (no free memory within reach, a refused protection
// change) instead of the real address space. No Windows calls here: the
// Windows implementation lives in src/SFSE/WindowsMemory.cpp.
#include <cstddef>
#include <cstdint>

namespace SFSE::memory
{
	// The Windows values, so that portable code and test doubles can speak
	// them without windows.h.
	inline constexpr std::uint32_t kMemCommit = 0x1000;
	inline constexpr std::uint32_t kMemReserve = 0x2000;
	inline constexpr std::uint32_t kMemFree = 0x10000;
	inline constexpr std::uint32_t kPageNoAccess = 0x01;
	inline constexpr std::uint32_t kPageReadOnly = 0x02;
	inline constexpr std::uint32_t kPageReadWrite = 0x04;
	inline constexpr std::uint32_t kPageExecute = 0x10;
	inline constexpr std::uint32_t kPageExecuteRead = 0x20;
	inline constexpr std::uint32_t kPageExecuteReadWrite = 0x40;
	inline constexpr std::uint32_t kPageExecuteWriteCopy = 0x80;
	inline constexpr std::uint32_t kPageGuard = 0x100;

	// What a region query reports (the fields of MEMORY_BASIC_INFORMATION
	// the framework reads).
	struct Region
	{
		std::uintptr_t base{ 0 };
		std::size_t size{ 0 };
		std::uint32_t state{ 0 };
		std::uint32_t protection{ 0 };
	};

	class Memory
	{
	public:
		virtual ~Memory() = default;

		// The region a_address lies in; false when the query fails
		// (last_error() tells why).
		virtual bool query(std::uintptr_t a_address, Region& a_region) noexcept = 0;
		// Reserves and commits a_size bytes at a_address with a_protection;
		// null when refused.
		virtual void* allocate(std::uintptr_t a_address, std::size_t a_size, std::uint32_t a_protection) noexcept = 0;
		// Releases a whole allocation made by allocate().
		virtual bool release(void* a_address) noexcept = 0;
		// Changes the protection of the pages a_address..a_address+a_size
		// touches; a_old receives the previous protection of the first page.
		virtual bool protect(std::uintptr_t a_address, std::size_t a_size, std::uint32_t a_protection, std::uint32_t& a_old) noexcept = 0;
		virtual std::uint32_t allocation_granularity() noexcept = 0;
		virtual std::uint32_t page_size() noexcept = 0;
		virtual void flush_instruction_cache(std::uintptr_t a_address, std::size_t a_size) noexcept = 0;
		// The error code of the last call that failed on this thread.
		virtual std::uint32_t last_error() noexcept = 0;
	};

	// The memory manager in use: the operating system's, unless a test has
	// put another in place.
	Memory& current() noexcept;

	// The operating system's memory manager (Windows builds only).
	Memory& system() noexcept;

	// Puts a_memory in place until the object goes away (tests).
	class ScopedOverride
	{
	public:
		explicit ScopedOverride(Memory& a_memory) noexcept;
		~ScopedOverride();
		ScopedOverride(const ScopedOverride&) = delete;
		ScopedOverride& operator=(const ScopedOverride&) = delete;

	private:
		Memory* _previous;
	};
}
