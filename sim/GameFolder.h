#pragma once
// A fresh game folder for one test or one demo run: a directory with
// Data\SFSE\Plugins\ inside, holding the game's address library under its
// Steam and its other name, made the current directory (the game's folder is
// the process's current directory) until the object goes away.
#include <filesystem>
#include <string_view>

namespace sim
{
	// A new empty folder in a_parent, "<kind>-<process>-<start>-<n>": its
	// name is this process's and this call's alone.
	std::filesystem::path fresh_folder(const std::filesystem::path& a_parent, std::wstring_view a_kind);

	class GameFolder
	{
	public:
		GameFolder();
		explicit GameFolder(const std::filesystem::path& a_root);
		~GameFolder();
		GameFolder(const GameFolder&) = delete;
		GameFolder& operator=(const GameFolder&) = delete;

		const std::filesystem::path& root() const noexcept { return _root; }
		std::filesystem::path plugins() const { return _root / L"Data" / L"SFSE" / L"Plugins"; }

	private:
		std::filesystem::path _previous;
		std::filesystem::path _root;
	};
}
