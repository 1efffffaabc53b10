#pragma once
// The game's data handler and its three lists of loaded files, with each
// file's name and load slots at the game's offsets.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

namespace sim
{
	struct DataFile
	{
		std::byte reserved00[0x38]{};
		char name[0x218 - 0x38]{};          // 0x38
		std::uint8_t compileIndex{ 0 };      // 0x218
		std::uint8_t mediumCompileIndex{ 0 };// 0x219
		std::uint16_t smallCompileIndex{ 0 };// 0x21A
		std::byte reserved21C[4]{};
	};
	static_assert(offsetof(DataFile, name) == 0x38);
	static_assert(offsetof(DataFile, compileIndex) == 0x218);
	static_assert(offsetof(DataFile, mediumCompileIndex) == 0x219);
	static_assert(offsetof(DataFile, smallCompileIndex) == 0x21A);

	struct DataFileList
	{
		std::uint32_t count{ 0 };
		std::uint32_t reserved04{ 0 };
		DataFile** files{ nullptr };
	};
	static_assert(sizeof(DataFileList) == 0x10);

	struct DataHandler
	{
		std::byte reserved0000[0x1548]{};
		DataFileList full;     // 0x1548
		DataFileList small;    // 0x1558
		DataFileList medium;   // 0x1568
		std::byte reserved1578[8]{};
	};
	static_assert(offsetof(DataHandler, full) == 0x1548);
	static_assert(offsetof(DataHandler, small) == 0x1558);
	static_assert(offsetof(DataHandler, medium) == 0x1568);

	struct DataFilesArea
	{
		enum class Kind
		{
			full,
			small,
			medium
		};

		DataHandler handler;
		std::deque<DataFile> files;
		std::vector<DataFile*> fullFiles, smallFiles, mediumFiles;

		// "a small file SFBGS004.esm with indexes 0xFE/3"
		DataFile& add_full(std::string_view a_name, std::uint8_t a_compileIndex);
		DataFile& add_small(std::string_view a_name, std::uint8_t a_compileIndex, std::uint16_t a_smallIndex);
		DataFile& add_medium(std::string_view a_name, std::uint8_t a_compileIndex, std::uint8_t a_mediumIndex);
		// A null entry in a list, as the game may hold.
		void add_null(Kind a_kind);

	private:
		DataFile& add(Kind a_kind, std::string_view a_name);
		void publish();
	};
}
