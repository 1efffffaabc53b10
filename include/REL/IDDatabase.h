#pragma once
// The address library of the running game: the file that fits the game's
// version and platform, unpacked once into named shared memory (so every
// plugin of this framework in the process uses one table) and searched by ID.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>

#include "REL/DatabaseFormat.h"
#include "REL/Version.h"

namespace REL
{
	class IDDatabase
	{
	public:
		// The process's own database; its mapping is released at exit.
		static IDDatabase& get();

		// A database of its own; the process's is get(). Two objects that
		// load the same game version and platform share one table, like two
		// plugins in one process.
		IDDatabase() = default;
		~IDDatabase();
		IDDatabase(const IDDatabase&) = delete;
		IDDatabase& operator=(const IDDatabase&) = delete;

		// Loads on the first call, under the database mutex; later calls
		// only read the loaded flag.
		void ensure_loaded();
		bool is_loaded() const noexcept { return _loaded.load(std::memory_order_acquire); }

		// The offset of a_id from the game's base; a missing ID is fatal.
		std::uint64_t id2offset(std::uint64_t a_id) const;

		// The game's version, its file, load_file.
		bool load();

		// <working directory>\Data\SFSE\Plugins\versionlib-<version>[-1].bin,
		// "-1" unless the Steam runtime is loaded. Works out the platform.
		std::wstring addresslib_filename();
		std::wstring addresslib_filename(const Version& a_version);

		// Maps the shared table if another plugin made it, else unpacks
		// a_filename into it. Every failure is fatal.
		bool load_file(const std::wstring& a_filename, const Version& a_version);

		std::span<const database::mapping_t> table() const noexcept { return { _table, _count }; }
		// -1 until the file name is worked out, then 0 for Steam, 1 otherwise.
		std::int32_t platform() const noexcept { return _platform; }
		bool is_steam() const noexcept { return _steam; }

	private:
		void unpack_file(database::istream_t& a_in, const database::header_t& a_header);
		void release() noexcept;

		void* _mapping{ nullptr };
		void* _view{ nullptr };
		database::mapping_t* _table{ nullptr };
		std::size_t _count{ 0 };
		std::int32_t _platform{ -1 };

		bool _steam{ false };
		std::atomic<bool> _loaded{ false };
		std::mutex _mutex;
	};

	namespace detail
	{
		// Runs a_load once however many threads ask at the same time: the
		// flag is checked again under the mutex, so a thread that waited
		// while another loaded doesn't load a second time (which would drop
		// the table under the readers' feet). The flag is set only once the
		// load has finished.
		template <class Load>
		void load_once(std::atomic<bool>& a_loaded, std::mutex& a_mutex, Load&& a_load)
		{
			if (a_loaded.load(std::memory_order_acquire)) {
				return;
			}
			const std::lock_guard lock(a_mutex);
			if (a_loaded.load(std::memory_order_relaxed)) {
				return;
			}
			a_load();
			a_loaded.store(true, std::memory_order_release);
		}
	}
}
