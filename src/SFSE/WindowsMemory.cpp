// The memory seam on Windows: each call is the plain kernel32 function.
#include <windows.h>

#include "SFSE/Memory.h"

namespace SFSE::memory
{
	namespace
	{
		class WindowsMemory final : public Memory
		{
		public:
			bool query(std::uintptr_t a_address, Region& a_region) noexcept override
			{
				MEMORY_BASIC_INFORMATION info{};
				if (::VirtualQuery(reinterpret_cast<const void*>(a_address), &info, sizeof(info)) != sizeof(info)) {
					return false;
				}
				a_region.base = reinterpret_cast<std::uintptr_t>(info.BaseAddress);
				a_region.size = info.RegionSize;
				a_region.state = info.State;
				a_region.protection = info.Protect;
				return true;
			}

			void* allocate(std::uintptr_t a_address, std::size_t a_size, std::uint32_t a_protection) noexcept override
			{
				return ::VirtualAlloc(reinterpret_cast<void*>(a_address), a_size, MEM_COMMIT | MEM_RESERVE, a_protection);
			}

			bool release(void* a_address) noexcept override
			{
				return ::VirtualFree(a_address, 0, MEM_RELEASE) != FALSE;
			}

			bool protect(std::uintptr_t a_address, std::size_t a_size, std::uint32_t a_protection, std::uint32_t& a_old) noexcept override
			{
				DWORD old = 0;
				const bool changed = ::VirtualProtect(reinterpret_cast<void*>(a_address), a_size, a_protection, &old) != FALSE;
				a_old = old;
				return changed;
			}

			std::uint32_t allocation_granularity() noexcept override
			{
				SYSTEM_INFO info{};
				::GetSystemInfo(&info);
				return info.dwAllocationGranularity;
			}

			std::uint32_t page_size() noexcept override
			{
				SYSTEM_INFO info{};
				::GetSystemInfo(&info);
				return info.dwPageSize;
			}

			void flush_instruction_cache(std::uintptr_t a_address, std::size_t a_size) noexcept override
			{
				::FlushInstructionCache(::GetCurrentProcess(), reinterpret_cast<const void*>(a_address), a_size);
			}

			std::uint32_t last_error() noexcept override { return ::GetLastError(); }
		};
	}

	Memory& system() noexcept
	{
		static WindowsMemory memory;
		return memory;
	}
}
