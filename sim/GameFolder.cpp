#include "sim/GameFolder.h"

#include <atomic>
#include <string>

#include <windows.h>

#include "sim/AddressLibrary.h"

namespace sim
{
	namespace
	{
		std::filesystem::path unique_folder()
		{
			static std::atomic<unsigned> counter{ 0 };
			const auto name = L"game-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
			return std::filesystem::current_path() / name;
		}
	}

	GameFolder::GameFolder() :
		GameFolder(unique_folder())
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
