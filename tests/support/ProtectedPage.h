#pragma once
// One page of code (return instructions) under a protection the test picks,
// within reach of a 32-bit displacement from a given address, so that a call
// site or a table slot can point into it. Released with the object.
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include <windows.h>

namespace test
{
	class ProtectedPage
	{
	public:
		ProtectedPage(std::uintptr_t a_near, DWORD a_protection)
		{
			SYSTEM_INFO info{};
			::GetSystemInfo(&info);
			const std::uintptr_t step = info.dwAllocationGranularity;
			const std::uintptr_t start = a_near & ~(step - 1);
			// Outward from a_near, below and above, well inside 2 GiB.
			for (std::uintptr_t distance = step; !_page && distance < 0x70000000; distance += step) {
				for (const auto candidate : { start - distance, start + distance }) {
					if (!_page && candidate > step) {
						_page = ::VirtualAlloc(reinterpret_cast<void*>(candidate), kSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
					}
				}
			}
			if (!_page) {
				throw std::runtime_error("no free page within reach");
			}
			std::memset(_page, 0xC3, kSize);
			DWORD old = 0;
			if (!::VirtualProtect(_page, kSize, a_protection, &old)) {
				::VirtualFree(_page, 0, MEM_RELEASE);
				throw std::runtime_error("the page refused its protection");
			}
		}
		~ProtectedPage() { ::VirtualFree(_page, 0, MEM_RELEASE); }
		ProtectedPage(const ProtectedPage&) = delete;
		ProtectedPage& operator=(const ProtectedPage&) = delete;

		std::uintptr_t address() const noexcept { return reinterpret_cast<std::uintptr_t>(_page); }

	private:
		static constexpr std::size_t kSize = 0x1000;
		void* _page{ nullptr };
	};
}
