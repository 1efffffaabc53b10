#include "sim/platform/CodeMemory.h"

#include <cstring>
#include <stdexcept>

#include "sim/code/Code.h"
#include "sim/platform/ImportHook.h"

namespace sim
{
	namespace
	{
		CodeMemoryWatch* active = nullptr;

		using ProtectFunction = BOOL(WINAPI*)(LPVOID, SIZE_T, DWORD, PDWORD);
		using FlushFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, SIZE_T);

		bool overlaps(std::uintptr_t a_first, std::size_t a_firstSize, std::uintptr_t a_second, std::size_t a_secondSize)
		{
			return a_first < a_second + a_secondSize && a_second < a_first + a_firstSize;
		}
	}

	CodeMemoryWatch::CodeMemoryWatch()
	{
		if (active) {
			throw std::logic_error("one code memory watch at a time");
		}
		active = this;
		const auto game = ::GetModuleHandleW(nullptr);
		_previousProtect = patch_import(game, "kernel32.dll", "VirtualProtect", reinterpret_cast<void*>(&protect));
		_previousFlush = patch_import(game, "kernel32.dll", "FlushInstructionCache", reinterpret_cast<void*>(&flush));
		if (!_previousProtect || !_previousFlush) {
			active = nullptr;
			throw std::runtime_error("the game module imports no VirtualProtect or FlushInstructionCache");
		}
		_changes.clear();
	}

	CodeMemoryWatch::~CodeMemoryWatch()
	{
		const auto game = ::GetModuleHandleW(nullptr);
		patch_import(game, "kernel32.dll", "FlushInstructionCache", _previousFlush);
		patch_import(game, "kernel32.dll", "VirtualProtect", _previousProtect);
		active = nullptr;
	}

	BOOL WINAPI CodeMemoryWatch::protect(LPVOID a_address, SIZE_T a_size, DWORD a_protection, PDWORD a_old)
	{
		auto* self = active;
		ProtectionChange change{ reinterpret_cast<std::uintptr_t>(a_address), a_size, a_protection, 0, false };
		if (self->refuse && self->refuse(change)) {
			self->_changes.push_back(change);
			::SetLastError(ERROR_ACCESS_DENIED);
			return FALSE;
		}
		const BOOL result = reinterpret_cast<ProtectFunction>(self->_previousProtect)(a_address, a_size, a_protection, a_old);
		change.old = a_old ? *a_old : 0;
		change.succeeded = result != FALSE;
		self->_changes.push_back(change);
		return result;
	}

	BOOL WINAPI CodeMemoryWatch::flush(HANDLE a_process, LPCVOID a_address, SIZE_T a_size)
	{
		active->_flushes.push_back({ reinterpret_cast<std::uintptr_t>(a_address), a_size });
		return reinterpret_cast<FlushFunction>(active->_previousFlush)(a_process, a_address, a_size);
	}

	std::size_t CodeMemoryWatch::changes_touching(std::uintptr_t a_address, std::size_t a_size) const
	{
		std::size_t count = 0;
		for (const auto& change : _changes) {
			count += overlaps(change.address, change.size, a_address, a_size) ? 1 : 0;
		}
		for (const auto& flush : _flushes) {
			count += overlaps(flush.address, flush.size, a_address, a_size) ? 1 : 0;
		}
		return count;
	}

	void CodeMemoryWatch::clear()
	{
		_changes.clear();
		_flushes.clear();
	}

	std::uintptr_t exit_anywhere_site()
	{
		return reinterpret_cast<std::uintptr_t>(sim_ExitAnywhereSite);
	}

	void reset_code_sites()
	{
		auto* site = reinterpret_cast<void*>(exit_anywhere_site());
		DWORD old = 0;
		if (!::VirtualProtect(site, sizeof(ExitAnywhereGameBytes), PAGE_EXECUTE_READWRITE, &old)) {
			throw std::runtime_error("the Exit Anywhere site can't be written");
		}
		std::memcpy(site, ExitAnywhereGameBytes, sizeof(ExitAnywhereGameBytes));
		::VirtualProtect(site, sizeof(ExitAnywhereGameBytes), old, &old);
		::FlushInstructionCache(::GetCurrentProcess(), site, sizeof(ExitAnywhereGameBytes));
	}

	DWORD protection_of(std::uintptr_t a_address)
	{
		MEMORY_BASIC_INFORMATION info{};
		if (::VirtualQuery(reinterpret_cast<const void*>(a_address), &info, sizeof(info)) != sizeof(info) || info.State != MEM_COMMIT) {
			return 0;
		}
		return info.Protect;
	}

	BoundaryPages::BoundaryPages(Next a_next)
	{
		SYSTEM_INFO system{};
		::GetSystemInfo(&system);
		_pageSize = system.dwPageSize;
		auto* base = static_cast<std::uint8_t*>(::VirtualAlloc(nullptr, 2 * _pageSize, MEM_RESERVE, PAGE_NOACCESS));
		if (!base || !::VirtualAlloc(base, _pageSize, MEM_COMMIT, PAGE_READWRITE)) {
			throw std::runtime_error("no pages for a boundary site");
		}
		_base = reinterpret_cast<std::uintptr_t>(base);
		std::memset(base, 0xCC, _pageSize);
		DWORD old = 0;
		::VirtualProtect(base, _pageSize, PAGE_EXECUTE_READ, &old);
		if (a_next == Next::data && !::VirtualAlloc(base + _pageSize, _pageSize, MEM_COMMIT, PAGE_READWRITE)) {
			throw std::runtime_error("no data page after the code");
		}
	}

	BoundaryPages::~BoundaryPages()
	{
		::VirtualFree(reinterpret_cast<void*>(_base), 0, MEM_RELEASE);
	}
}
