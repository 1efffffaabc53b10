#pragma once
// Reads the headers of a module loaded in this process: its size, exports
// and imports. The simulation redirects imports with it; tests check what a
// built module exports and needs.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace sim
{
	class PeImage
	{
	public:
		explicit PeImage(HMODULE a_module) noexcept;

		std::uintptr_t base() const noexcept { return _base; }
		std::uint32_t size_of_image() const noexcept;

		std::vector<std::string> export_names() const;
		std::size_t export_count() const noexcept;
		// The names of the DLLs it imports from, in lower case.
		std::vector<std::string> imported_dlls() const;

		// Every function imported by name: the DLL's name as the image
		// holds it, the function's name and its import address table slot.
		// Stops when a_visit returns false.
		using ImportVisitor = std::function<bool(std::string_view a_dll, std::string_view a_function, std::uintptr_t* a_slot)>;
		void for_each_import(const ImportVisitor& a_visit) const;

	private:
		const IMAGE_NT_HEADERS64& nt() const noexcept;
		template <class T>
		const T* at(std::uint32_t a_rva) const noexcept
		{
			return reinterpret_cast<const T*>(_base + a_rva);
		}

		std::uintptr_t _base;
	};
}
