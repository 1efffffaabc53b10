#include "sim/platform/ImportHook.h"

#include <cstdint>

#include "sim/platform/PeImage.h"

namespace sim
{
	namespace
	{
		bool equal_ignoring_case(std::string_view a_left, std::string_view a_right)
		{
			if (a_left.size() != a_right.size()) {
				return false;
			}
			for (std::size_t i = 0; i < a_left.size(); ++i) {
				const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
				if (lower(a_left[i]) != lower(a_right[i])) {
					return false;
				}
			}
			return true;
		}
	}

	void* patch_import(HMODULE a_module, std::string_view a_dll, std::string_view a_function, void* a_replacement)
	{
		void* previous = nullptr;
		PeImage(a_module).for_each_import([&](std::string_view a_importDll, std::string_view a_name, std::uintptr_t* a_slot) {
			if (!equal_ignoring_case(a_importDll, a_dll) || a_name != a_function) {
				return true;
			}
			DWORD oldProtection = 0;
			if (::VirtualProtect(a_slot, sizeof(*a_slot), PAGE_READWRITE, &oldProtection)) {
				previous = reinterpret_cast<void*>(*a_slot);
				*a_slot = reinterpret_cast<std::uintptr_t>(a_replacement);
				::VirtualProtect(a_slot, sizeof(*a_slot), oldProtection, &oldProtection);
			}
			return false;
		});
		return previous;
	}
}
