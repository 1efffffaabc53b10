#pragma once
// Forms, their names, and the loaded data files.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace sim
{
	namespace game
	{
		// Virtual tables are plain arrays in the game's (MSVC) slot order.
		using VTable = const void* const*;

		struct TESForm
		{
			VTable vtable;  // GetFormType at byte 0x110
			std::byte pad08[0x20];
			std::uint32_t formID;  // 0x28
			// The simulation's own: what the virtual functions answer.
			std::uint8_t formType;
			bool bUnloaded;  // an unloaded reference: not found by ID or handle
			std::byte pad2E[2];
			const char* fullName;                   // RE::TESForm::GetFullName's answer
			struct TESFullName* fullNameComponent;  // RTDynamicCast's answer
		};
		static_assert(offsetof(TESForm, formID) == 0x28);
		static_assert(sizeof(TESForm) == 0x40);  // a reference's own data follows
		inline constexpr std::size_t kGetFormTypeSlot = 0x110 / 8;

		// The name component; GetFullName at byte 0x60 of its table.
		struct TESFullName
		{
			VTable vtable;
			const char* name;
		};
		inline constexpr std::size_t kGetFullNameSlot = 0x60 / 8;

		// The compiler's run-time type descriptor.
		struct TypeDescriptor
		{
			const void* vftable;
			void* spare;
			char name[32];
		};

		struct TESPackedFile
		{
			std::byte pad00[0x38];
			char fileName[0x1E0];             // 0x38, zero-terminated
			std::uint8_t compileIndex;        // 0x218
			std::uint8_t mediumCompileIndex;  // 0x219
			std::uint16_t smallCompileIndex;  // 0x21A
		};
		static_assert(offsetof(TESPackedFile, fileName) == 0x38);
		static_assert(offsetof(TESPackedFile, compileIndex) == 0x218);
		static_assert(offsetof(TESPackedFile, mediumCompileIndex) == 0x219);
		static_assert(offsetof(TESPackedFile, smallCompileIndex) == 0x21A);

		struct FileList
		{
			std::uint32_t count;
			std::uint32_t pad04;
			TESPackedFile* const* files;  // 0x8
		};
		static_assert(offsetof(FileList, files) == 0x8);

		struct DataHandler
		{
			std::byte pad0000[0x1548];
			FileList fullFiles;    // 0x1548, FileA
			FileList smallFiles;   // 0x1558, SmallFileA
			FileList mediumFiles;  // 0x1568, MediumFileA
		};
		static_assert(offsetof(DataHandler, fullFiles) == 0x1548);
		static_assert(offsetof(DataHandler, smallFiles) == 0x1558);
		static_assert(offsetof(DataHandler, mediumFiles) == 0x1568);
	}

	enum class FileKind
	{
		full,
		small,
		medium,
	};

	inline constexpr std::uint8_t kNpcFormType = 0x2D;
	inline constexpr std::uint8_t kActivatorFormType = 0x25;

	struct Forms
	{
		game::DataHandler dataHandler{};
		game::DataHandler* dataHandlerGlobal{ nullptr };  // RE::DataHandler
		std::deque<game::TESPackedFile> files;
		std::vector<game::TESPackedFile*> fullFiles, smallFiles, mediumFiles;
		// Forms the game knows by ID (RE::TESForm::LookupByID); not owned.
		std::map<std::uint32_t, game::TESForm*> byID;
		std::deque<game::TESForm> forms;

		game::TypeDescriptor formDescriptor{ nullptr, nullptr, ".?AVTESForm@@" };
		game::TypeDescriptor fullNameDescriptor{ nullptr, nullptr, ".?AVTESFullName@@" };

		// A loaded data file, listed in the data handler.
		game::TESPackedFile& add_file(std::string_view a_name, FileKind a_kind, std::uint8_t a_compileIndex,
			std::uint16_t a_smallOrMediumIndex = 0);
		// A plain form of a_type the game finds by a_formID.
		game::TESForm& add_form(std::uint32_t a_formID, std::uint8_t a_type = 0, const char* a_fullName = nullptr);

		// "a small file SFBGS004.esm with indexes 0xFE/3"
		game::TESPackedFile& add_full(std::string_view a_name, std::uint8_t a_compileIndex);
		game::TESPackedFile& add_small(std::string_view a_name, std::uint8_t a_compileIndex, std::uint16_t a_smallIndex);
		game::TESPackedFile& add_medium(std::string_view a_name, std::uint8_t a_compileIndex, std::uint8_t a_mediumIndex);
		// A null entry in one of the lists, as the game may hold.
		void add_null_file(FileKind a_kind);

		// A base object (form type NPC unless given) with a name component
		// holding a_name; the game's own name query answers null for it.
		game::TESForm& add_base(std::uint32_t a_formID, std::string_view a_name, std::uint8_t a_type = kNpcFormType);
		std::deque<game::TESFullName> nameComponents;
		std::deque<std::string> names;

	private:
		// Appends a_file (or a null entry) to the list of a_kind and points
		// the data handler's view at it.
		void list_file(FileKind a_kind, game::TESPackedFile* a_file);
	};
}
