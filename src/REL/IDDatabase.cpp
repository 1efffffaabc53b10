#include "REL/IDDatabase.h"

#include <algorithm>
#include <filesystem>
#include <source_location>
#include <system_error>

#include <fmt/format.h>
#include <windows.h>

#include "REL/Module.h"
#include "SFSE/FatalError.h"
#include "SFSE/Unicode.h"

namespace REL
{
	namespace
	{
		constexpr DWORD kReadWrite = FILE_MAP_READ | FILE_MAP_WRITE;  // 6

		// The box names the failed check's line (the caller's), not this one.
		[[noreturn]] void fail_not_located(const std::wstring& a_filename, const Version& a_version, bool a_steam,
			std::source_location a_loc = std::source_location::current())
		{
			SFSE::fatal_error(fmt::format(
								  "Failed to locate an appropriate address library with the path: {}\n"
								  "This means you are either missing the address library for this specific version of the game or running on unsupported platform.\n"
								  "Please continue to the mod page for address library to download an appropriate version or platform. \n"
								  "If one is not available, then it is likely that address library has not yet added support for this version of the game or this platform.\n"
								  "Current version: {}\n"
								  "Current platform: {}",
								  SFSE::stl::utf16_to_utf8(a_filename).value_or("<unknown filename>"),
								  a_version.string("."),
								  a_steam ? "Steam" : "Microsoft Store"),
				a_loc);
		}
	}

	IDDatabase& IDDatabase::get()
	{
		static IDDatabase database;
		return database;
	}

	IDDatabase::~IDDatabase()
	{
		release();
	}

	void IDDatabase::release() noexcept
	{
		if (_view) {
			::UnmapViewOfFile(_view);
			_view = nullptr;
		}
		if (_mapping) {
			::CloseHandle(_mapping);
			_mapping = nullptr;
		}
		_table = nullptr;
		_count = 0;
	}

	void IDDatabase::ensure_loaded()
	{
		detail::load_once(_loaded, _mutex, [this] { load(); });
	}

	std::uint64_t IDDatabase::id2offset(std::uint64_t a_id) const
	{
		const auto* entry = database::find(table(), a_id);
		if (!entry) {
			SFSE::fatal_error(fmt::format(
				"Failed to find the id within the address library: {}\n"
				"Compiled IDDatabase version: {}\n"
				"This means this script extender plugin is incompatible with the address library for this version of the game, and thus does not support it.",
				a_id, database::compiled_format));
		}
		return entry->offset;
	}

	bool IDDatabase::load()
	{
		const auto version = Module::get().version();
		const auto filename = addresslib_filename(version);
		return load_file(filename, version);
	}

	std::wstring IDDatabase::addresslib_filename()
	{
		return addresslib_filename(Module::get().version());
	}

	std::wstring IDDatabase::addresslib_filename(const Version& a_version)
	{
		const auto name = fmt::format("{}\\versionlib-{}", "Data\\SFSE\\Plugins", a_version.string("-"));
		auto path = (std::filesystem::current_path() / SFSE::stl::utf8_to_utf16(name).value()).wstring();

		_platform = -1;
		if (::GetModuleHandleW(L"steam_api64")) {
			_platform = 0;
			_steam = true;
		} else {
			_platform = 1;
		}
		if (_platform != 0) {
			path += SFSE::stl::utf8_to_utf16(fmt::format("-{}", _platform)).value();
		}
		path += L".bin";

		// Resolutions run inside the game's threads: an error the existence
		// test can't settle ends here with its reason rather than unwinding
		// through game code.
		std::error_code error;
		if (!std::filesystem::exists(path, error)) {
			const auto shown = SFSE::stl::utf16_to_utf8(path).value_or("<unknown filename>");
			if (error) {
				SFSE::fatal_error(fmt::format("Failed to find address library file: \n{}\n{}", shown, error.message()));
			}
			SFSE::fatal_error(fmt::format("Failed to find address library file: \n{}", shown));
		}
		return path;
	}

	bool IDDatabase::load_file(const std::wstring& a_filename, const Version& a_version)
	{
		database::istream_t in(std::filesystem::path{ a_filename });
		if (!in.is_open()) {
			SFSE::fatal_error("failed to open address library file");
		}

		try {
			database::header_t header;
			if (header.read(in) != database::status::ok) {
				SFSE::fatal_error(fmt::format(
					"Unsupported address library format: {}\n"
					"Compiled IDDatabase version: {}\n"
					"This means this script extender plugin is incompatible with the address library available for this version of the game, and thus does not support it.",
					header.format, database::compiled_format));
			}

			if (header.version != a_version) {
				SFSE::fatal_error(fmt::format("Address library version mismatch.\nRead-in: {}", header.version.string(".")));
			}

			// A count the file can't hold would size the shared table by
			// gigabytes before the read runs out; it is the same broken file
			// as one that ends inside its entries, and reported as such.
			if (database::check_entry_count(header, in) != database::status::ok) {
				fail_not_located(a_filename, a_version, _steam);
			}

			const auto name = SFSE::stl::utf8_to_utf16(
				fmt::format("Orlathen-Offsets-v{}-{}-{}", database::compiled_format, a_version.string("-"), _platform));
			if (!name || name->empty()) {
				SFSE::fatal_error("Failed to generate memory map name.");
			}

			// A table of no entries still needs a mapping of some size: a
			// mapping of size 0 can't be created.
			const std::uint64_t size = std::max<std::uint64_t>(header.address_count, 1) * sizeof(database::mapping_t);
			const auto mapView = [&](HANDLE a_mapping) {
				return ::MapViewOfFile(a_mapping, kReadWrite, 0, 0, static_cast<SIZE_T>(size));
			};

			// Another plugin made the table: use it as it is.
			release();
			_mapping = ::OpenFileMappingW(kReadWrite, FALSE, name->c_str());
			if (_mapping) {
				_view = mapView(_mapping);
				if (_view) {
					_table = static_cast<database::mapping_t*>(_view);
					_count = header.address_count;
					return true;
				}
				::CloseHandle(_mapping);
				_mapping = nullptr;
			}

			release();
			_mapping = ::OpenFileMappingW(kReadWrite, FALSE, name->c_str());
			if (!_mapping) {
				_mapping = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
					static_cast<DWORD>(size >> 32), static_cast<DWORD>(size & 0xFFFFFFFF), name->c_str());
			}
			if (_mapping) {
				_view = mapView(_mapping);
				if (_view) {
					_table = static_cast<database::mapping_t*>(_view);
					_count = header.address_count;
					unpack_file(in, header);
					database::sort({ _table, _count });
					return true;
				}
			}
			SFSE::fatal_error("failed to create shared mapping");
		} catch (const std::system_error&) {
			fail_not_located(a_filename, a_version, _steam);
		}
	}

	void IDDatabase::unpack_file(database::istream_t& a_in, const database::header_t& a_header)
	{
		switch (database::unpack(a_in, a_header, { _table, _count })) {
		case database::status::ok:
			return;
		case database::status::unhandled_type:
			SFSE::fatal_error("unhandled type");
		default:
			SFSE::fatal_error("unhandled pointer size 0 for a scaled offset");
		}
	}
}
