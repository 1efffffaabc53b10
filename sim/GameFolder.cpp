#include "sim/GameFolder.h"

#include <atomic>
#include <string>

#include <windows.h>

#include "sim/AddressLibrary.h"

namespace sim
{
	std::filesystem::path fresh_folder(const std::filesystem::path& a_parent, std::wstring_view a_kind)
	{
		static std::atomic<unsigned> counter{ 0 };
		auto path = a_parent / (std::wstring(a_kind) + L"-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(counter++));
		std::filesystem::remove_all(path);
		std::filesystem::create_directories(path);
		return path;
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
