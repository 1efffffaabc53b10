#include "sim/world/Forms.h"

#include <algorithm>
#include <cstring>

#include "sim/functions/VTables.h"

namespace sim
{
	game::TESPackedFile& Forms::add_file(std::string_view a_name, FileKind a_kind, std::uint8_t a_compileIndex,
		std::uint16_t a_smallOrMediumIndex)
	{
		auto& file = files.emplace_back();
		std::memcpy(file.fileName, a_name.data(), std::min(a_name.size(), sizeof(file.fileName) - 1));
		file.compileIndex = a_compileIndex;
		if (a_kind == FileKind::small) {
			file.smallCompileIndex = a_smallOrMediumIndex;
		} else if (a_kind == FileKind::medium) {
			file.mediumCompileIndex = static_cast<std::uint8_t>(a_smallOrMediumIndex);
		}
		list_file(a_kind, &file);
		return file;
	}

	game::TESPackedFile& Forms::add_full(std::string_view a_name, std::uint8_t a_compileIndex)
	{
		return add_file(a_name, FileKind::full, a_compileIndex);
	}

	game::TESPackedFile& Forms::add_small(std::string_view a_name, std::uint8_t a_compileIndex, std::uint16_t a_smallIndex)
	{
		return add_file(a_name, FileKind::small, a_compileIndex, a_smallIndex);
	}

	game::TESPackedFile& Forms::add_medium(std::string_view a_name, std::uint8_t a_compileIndex, std::uint8_t a_mediumIndex)
	{
		return add_file(a_name, FileKind::medium, a_compileIndex, a_mediumIndex);
	}

	void Forms::add_null_file(FileKind a_kind)
	{
		list_file(a_kind, nullptr);
	}

	void Forms::list_file(FileKind a_kind, game::TESPackedFile* a_file)
	{
		auto link = [a_file](std::vector<game::TESPackedFile*>& a_list, game::FileList& a_view) {
			a_list.push_back(a_file);
			a_view.count = static_cast<std::uint32_t>(a_list.size());
			a_view.files = a_list.data();
		};
		switch (a_kind) {
		case FileKind::full:
			link(fullFiles, dataHandler.fullFiles);
			break;
		case FileKind::small:
			link(smallFiles, dataHandler.smallFiles);
			break;
		case FileKind::medium:
			link(mediumFiles, dataHandler.mediumFiles);
			break;
		}
	}

	game::TESForm& Forms::add_base(std::uint32_t a_formID, std::string_view a_name, std::uint8_t a_type)
	{
		auto& form = add_form(a_formID, a_type);
		auto& component = nameComponents.emplace_back();
		component.vtable = full_name_vtable();
		component.name = names.emplace_back(a_name).c_str();
		form.fullNameComponent = &component;
		return form;
	}

	game::TESForm& Forms::add_form(std::uint32_t a_formID, std::uint8_t a_type, const char* a_fullName)
	{
		auto& form = forms.emplace_back();
		form.vtable = form_vtable();
		form.formID = a_formID;
		form.formType = a_type;
		form.fullName = a_fullName;
		byID[a_formID] = &form;
		return form;
	}
}
