#pragma once
// Description of a loaded module (in practice the game executable): base,
// well-known sections, product version and path.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "REL/Segment.h"
#include "REL/Version.h"

namespace REL
{
	// The running executable's full path as the loader reports it, or
	// "[ProcessHost]" when it can't tell. Filled once per process.
	std::string_view get_process_path() noexcept;

	// The product version in a file's version resource (U.S. English,
	// Unicode block); nothing when the file has none.
	std::optional<Version> get_file_version(const std::wstring& a_path);

	class Module
	{
	public:
		// The description of the module at a_address (flag bits 0 and 1 of a
		// module handle are ignored); built on first use, kept for good.
		static Module& get(std::uintptr_t a_address);
		// The module loaded from a_path; the running executable by default.
		static Module& get(std::string_view a_path = {});

		explicit Module(std::uintptr_t a_base);

		std::uintptr_t base() const noexcept { return _base; }
		// Bytes from base() that belong to the module.
		std::size_t image_size() const noexcept { return _imageSize; }
		Segment segment(Segment::Name a_segment) const noexcept { return _segments[a_segment]; }
		Version version() const noexcept { return _version; }
		const std::wstring& filename() const noexcept { return _filename; }

	private:
		std::uintptr_t _base{ 0 };
		std::size_t _imageSize{ 0 };
		std::array<Segment, Segment::total> _segments{};
		Version _version;
		std::wstring _filename;
	};
}
