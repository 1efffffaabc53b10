#include "sim/platform/PeImage.h"

#include <cctype>

namespace sim
{
	PeImage::PeImage(HMODULE a_module) noexcept :
		_base(reinterpret_cast<std::uintptr_t>(a_module))
	{}

	const IMAGE_NT_HEADERS64& PeImage::nt() const noexcept
	{
		return *at<IMAGE_NT_HEADERS64>(static_cast<std::uint32_t>(at<IMAGE_DOS_HEADER>(0)->e_lfanew));
	}

	std::uint32_t PeImage::size_of_image() const noexcept
	{
		return nt().OptionalHeader.SizeOfImage;
	}

	std::vector<std::string> PeImage::export_names() const
	{
		std::vector<std::string> names;
		const auto& directory = nt().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
		if (directory.VirtualAddress == 0) {
			return names;
		}
		const auto* exports = at<IMAGE_EXPORT_DIRECTORY>(directory.VirtualAddress);
		const auto* rvas = at<DWORD>(exports->AddressOfNames);
		for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
			names.emplace_back(at<char>(rvas[i]));
		}
		return names;
	}

	std::size_t PeImage::export_count() const noexcept
	{
		const auto& directory = nt().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
		return directory.VirtualAddress ? at<IMAGE_EXPORT_DIRECTORY>(directory.VirtualAddress)->NumberOfFunctions : 0;
	}

	namespace
	{
		template <class F>
		void for_each_descriptor(const IMAGE_NT_HEADERS64& a_nt, std::uintptr_t a_base, F a_visit)
		{
			const auto& directory = a_nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
			if (directory.VirtualAddress == 0) {
				return;
			}
			for (auto* descriptor = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(a_base + directory.VirtualAddress);
				 descriptor->Name != 0; ++descriptor) {
				if (!a_visit(*descriptor)) {
					return;
				}
			}
		}
	}

	std::vector<std::string> PeImage::imported_dlls() const
	{
		std::vector<std::string> dlls;
		for_each_descriptor(nt(), _base, [&](const IMAGE_IMPORT_DESCRIPTOR& a_descriptor) {
			std::string name(at<char>(a_descriptor.Name));
			for (auto& c : name) {
				c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
			}
			dlls.push_back(std::move(name));
			return true;
		});
		return dlls;
	}

	void PeImage::for_each_import(const ImportVisitor& a_visit) const
	{
		for_each_descriptor(nt(), _base, [&](const IMAGE_IMPORT_DESCRIPTOR& a_descriptor) {
			const std::string_view dll(at<char>(a_descriptor.Name));
			const auto namesRva = a_descriptor.OriginalFirstThunk ? a_descriptor.OriginalFirstThunk : a_descriptor.FirstThunk;
			const auto* names = at<IMAGE_THUNK_DATA64>(namesRva);
			auto* slots = reinterpret_cast<std::uintptr_t*>(_base + a_descriptor.FirstThunk);
			for (; names->u1.AddressOfData != 0; ++names, ++slots) {
				if (IMAGE_SNAP_BY_ORDINAL64(names->u1.Ordinal)) {
					continue;
				}
				const auto* byName = at<IMAGE_IMPORT_BY_NAME>(static_cast<std::uint32_t>(names->u1.AddressOfData));
				if (!a_visit(dll, reinterpret_cast<const char*>(byName->Name), slots)) {
					return false;
				}
			}
			return true;
		});
	}
}
