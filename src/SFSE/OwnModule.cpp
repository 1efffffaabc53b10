#include "OwnModule.h"

#include <string>

namespace SFSE::detail
{
	HMODULE own_module() noexcept
	{
		HMODULE module = nullptr;
		::GetModuleHandleExW(
			GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
			reinterpret_cast<LPCWSTR>(&own_module),
			&module);
		return module;
	}

	std::optional<std::filesystem::path> module_path(HMODULE a_module)
	{
		std::wstring buffer(MAX_PATH, L'\0');
		for (;;) {
			const DWORD length = ::GetModuleFileNameW(a_module, buffer.data(), static_cast<DWORD>(buffer.size()));
			if (length == 0) {
				return std::nullopt;
			}
			if (length < buffer.size()) {
				buffer.resize(length);
				return std::filesystem::path(buffer);
			}
			if (buffer.size() >= 0x8000) {  // longer than any path Windows allows
				return std::nullopt;
			}
			buffer.resize(buffer.size() * 2);
		}
	}
}
