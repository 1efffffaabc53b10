#include "REL/Module.h"

#include <mutex>
#include <unordered_map>
#include <vector>

#include <windows.h>

#include "SFSE/FatalError.h"
#include "SFSE/Unicode.h"

namespace REL
{
	std::string_view get_process_path() noexcept
	{
		static constexpr DWORD kCapacity = 261;
		// Filled once: every thread that resolves an ID reads it.
		static const std::string path = [] {
			std::string buffer(kCapacity, ' ');
			const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), kCapacity);
			if (length == 0) {
				return std::string("[ProcessHost]");
			}
			buffer.resize(std::min(length, kCapacity));
			return buffer;
		}();
		return path;
	}

	std::optional<Version> get_file_version(const std::wstring& a_path)
	{
		DWORD ignored = 0;
		const DWORD size = ::GetFileVersionInfoSizeW(a_path.c_str(), &ignored);
		if (size == 0) {
			return std::nullopt;
		}
		std::vector<std::byte> buffer(size);
		if (!::GetFileVersionInfoW(a_path.c_str(), 0, size, buffer.data())) {
			return std::nullopt;
		}
		void* value = nullptr;
		UINT length = 0;
		if (!::VerQueryValueW(buffer.data(), L"\\StringFileInfo\\040904B0\\ProductVersion", &value, &length) || !value) {
			return std::nullopt;
		}
		std::wstring_view text(static_cast<const wchar_t*>(value), length);
		// The reported length may count the terminating zero.
		while (!text.empty() && text.back() == L'\0') {
			text.remove_suffix(1);
		}
		return parse_version_text(text);
	}

	Module::Module(std::uintptr_t a_base)
	{
		if (a_base == 0) {
			SFSE::fatal_error("failed to initializing module info with null module base");
		}
		_base = a_base;
		_segments = detail::read_segments(a_base);
		_imageSize = detail::read_image_size(a_base);
		_filename = SFSE::stl::utf8_to_utf16(get_process_path()).value();
		_version = get_file_version(_filename).value();
	}

	Module& Module::get(std::uintptr_t a_address)
	{
		static std::unordered_map<std::uintptr_t, Module> registry;
		const auto base = a_address & ~static_cast<std::uintptr_t>(3);
		if (const auto it = registry.find(base); it != registry.end()) {
			return it->second;
		}
		return registry.try_emplace(base, base).first->second;
	}

	Module& Module::get(std::string_view a_path)
	{
		const std::string path(a_path.empty() ? get_process_path() : a_path);
		return get(reinterpret_cast<std::uintptr_t>(::GetModuleHandleA(path.c_str())));
	}
}
