#pragma once
// The game's code pages as a test watches and steers them: every protection
// change and instruction-cache flush the game module's code asks Windows
// for, with the answer it got, and pages laid out for patch sites at a page
// boundary.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include <windows.h>

namespace sim
{
	struct ProtectionChange
	{
		std::uintptr_t address;
		std::size_t size;
		DWORD protection;
		DWORD old;  // as reported to the caller
		bool succeeded;
	};

	struct CacheFlush
	{
		std::uintptr_t address;
		std::size_t size;
	};

	// Records VirtualProtect and FlushInstructionCache as the game module
	// (the executable) imports them, while the object lives. One at a time.
	class CodeMemoryWatch
	{
	public:
		CodeMemoryWatch();
		~CodeMemoryWatch();
		CodeMemoryWatch(const CodeMemoryWatch&) = delete;
		CodeMemoryWatch& operator=(const CodeMemoryWatch&) = delete;

		const std::vector<ProtectionChange>& changes() const noexcept { return _changes; }
		const std::vector<CacheFlush>& flushes() const noexcept { return _flushes; }
		// Changes and flushes that touch [a_address, a_address + a_size).
		std::size_t changes_touching(std::uintptr_t a_address, std::size_t a_size) const;
		void clear();

		// A change this says yes to is refused (access denied) without
		// reaching Windows.
		std::function<bool(const ProtectionChange&)> refuse;

	private:
		static BOOL WINAPI protect(LPVOID, SIZE_T, DWORD, PDWORD);
		static BOOL WINAPI flush(HANDLE, LPCVOID, SIZE_T);

		void* _previousProtect{ nullptr };
		void* _previousFlush{ nullptr };
		std::vector<ProtectionChange> _changes;
		std::vector<CacheFlush> _flushes;
	};

	// The game's own Exit Anywhere instruction, at its function + 0x6F8.
	inline constexpr std::uint8_t ExitAnywhereGameBytes[7]{ 0x40, 0x38, 0xB5, 0xF0, 0x00, 0x00, 0x00 };
	std::uintptr_t exit_anywhere_site();
	// Puts the game's own instructions back at the patched sites, with the
	// code's protection kept.
	void reset_code_sites();

	// The current protection of the page at a_address (0 when not committed).
	DWORD protection_of(std::uintptr_t a_address);

	// Two pages of their own: code (execute-read, int3 throughout) followed
	// by read-write data, or by a page that is reserved but not committed.
	class BoundaryPages
	{
	public:
		enum class Next
		{
			data,
			reserved,
		};

		explicit BoundaryPages(Next a_next);
		~BoundaryPages();
		BoundaryPages(const BoundaryPages&) = delete;
		BoundaryPages& operator=(const BoundaryPages&) = delete;

		std::uintptr_t code() const noexcept { return _base; }
		std::uintptr_t boundary() const noexcept { return _base + _pageSize; }
		std::size_t page_size() const noexcept { return _pageSize; }

	private:
		std::uintptr_t _base{ 0 };
		std::size_t _pageSize{ 0 };
	};
}
