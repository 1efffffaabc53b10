#include "ImportHook.h"

#include <cstdint>
#include <cstring>

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
		const auto base = reinterpret_cast<std::uintptr_t>(a_module);
		const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
		const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
		const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
		if (directory.VirtualAddress == 0) {
			return nullptr;
		}

		for (auto* descriptor = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
			 descriptor->Name != 0; ++descriptor) {
			if (!equal_ignoring_case(reinterpret_cast<const char*>(base + descriptor->Name), a_dll)) {
				continue;
			}
			const auto namesRva = descriptor->OriginalFirstThunk ? descriptor->OriginalFirstThunk : descriptor->FirstThunk;
			const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA64*>(base + namesRva);
			auto* slots = reinterpret_cast<IMAGE_THUNK_DATA64*>(base + descriptor->FirstThunk);
			for (; names->u1.AddressOfData != 0; ++names, ++slots) {
				if (IMAGE_SNAP_BY_ORDINAL64(names->u1.Ordinal)) {
					continue;
				}
				const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
				if (std::string_view(reinterpret_cast<const char*>(byName->Name)) != a_function) {
					continue;
				}
				DWORD oldProtection = 0;
				if (!::VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE, &oldProtection)) {
					return nullptr;
				}
				auto* previous = reinterpret_cast<void*>(slots->u1.Function);
				slots->u1.Function = reinterpret_cast<std::uintptr_t>(a_replacement);
				::VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), oldProtection, &oldProtection);
				return previous;
			}
		}
		return nullptr;
	}
}
