#include "sim/GameFolder.h"

#include <atomic>
#include <string>

#include <windows.h>

#include "sim/AddressLibrary.h"

namespace sim
{
	std::filesystem::path fresh_folder(const std::filesystem::path& a_parent, std::wstring_view a_kind)
	{
		// Process ids come back soon under Wine, and a death test's child
		// leaves its folders behind: the start time keeps a new process off
		// an old one's folder, and a folder that exists all the same is
		// passed over rather than emptied (something may still hold it).
		static const auto started = [] {
			LARGE_INTEGER now{};
			::QueryPerformanceCounter(&now);
			return now.QuadPart;
		}();
		static std::atomic<unsigned> counter{ 0 };
		const auto stem = std::wstring(a_kind) + L"-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(started) + L"-";
		for (;;) {
			auto path = a_parent / (stem + std::to_wstring(counter++));
			std::filesystem::create_directories(a_parent);
			if (std::filesystem::create_directory(path)) {
				return path;
			}
		}
	}

	GameFolder::GameFolder() :
		GameFolder(fresh_folder(std::filesystem::current_path(), L"game"))
	{}

	GameFolder::GameFolder(const std::filesystem::path& a_root) :
		_previous(std::filesystem::current_path()),
		_root(std::filesystem::absolute(a_root))
	{
		std::filesystem::remove_all(_root);
		std::filesystem::create_directories(plugins());
		write_address_libraries(plugins());
		std::filesystem::current_path(_root);
	}

	GameFolder::~GameFolder()
	{
		std::error_code ignored;
		std::filesystem::current_path(_previous, ignored);
		std::filesystem::remove_all(_root, ignored);
	}
}
