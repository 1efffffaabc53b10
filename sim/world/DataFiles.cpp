#include "sim/world/DataFiles.h"

#include <algorithm>
#include <cstring>

namespace sim
{
	DataFile& DataFilesArea::add(Kind a_kind, std::string_view a_name)
	{
		auto& file = files.emplace_back();
		std::memcpy(file.name, a_name.data(), std::min(a_name.size(), sizeof(file.name) - 1));
		(a_kind == Kind::full ? fullFiles : a_kind == Kind::small ? smallFiles : mediumFiles).push_back(&file);
		publish();
		return file;
	}

	DataFile& DataFilesArea::add_full(std::string_view a_name, std::uint8_t a_compileIndex)
	{
		auto& file = add(Kind::full, a_name);
		file.compileIndex = a_compileIndex;
		return file;
	}

	DataFile& DataFilesArea::add_small(std::string_view a_name, std::uint8_t a_compileIndex, std::uint16_t a_smallIndex)
	{
		auto& file = add(Kind::small, a_name);
		file.compileIndex = a_compileIndex;
		file.smallCompileIndex = a_smallIndex;
		return file;
	}

	DataFile& DataFilesArea::add_medium(std::string_view a_name, std::uint8_t a_compileIndex, std::uint8_t a_mediumIndex)
	{
		auto& file = add(Kind::medium, a_name);
		file.compileIndex = a_compileIndex;
		file.mediumCompileIndex = a_mediumIndex;
		return file;
	}

	void DataFilesArea::add_null(Kind a_kind)
	{
		(a_kind == Kind::full ? fullFiles : a_kind == Kind::small ? smallFiles : mediumFiles).push_back(nullptr);
		publish();
	}

	void DataFilesArea::publish()
	{
		const auto point = [](DataFileList& a_list, std::vector<DataFile*>& a_files) {
			a_list.count = static_cast<std::uint32_t>(a_files.size());
			a_list.files = a_files.empty() ? nullptr : a_files.data();
		};
		point(handler.full, fullFiles);
		point(handler.small, smallFiles);
		point(handler.medium, mediumFiles);
	}
}
