#include "Settings/SectionReading.h"

#include <windows.h>

#include "Settings/AsciiCase.h"
#include "Settings/IniFile.h"
#include "Settings/IniSection.h"
#include "Settings/ListedSection.h"
#include "Settings/SectionNames.h"

namespace
{
	// The key names as the platform lists them, asked of it directly.
	std::vector<std::string> ReadKeyNames(const std::string& a_file, const std::string& a_section)
	{
		const auto path = GetIniPath(a_file, "");
		auto list = ReadSectionNames([&](char* a_buffer, std::size_t a_size) -> std::size_t {
			return ::GetPrivateProfileStringA(a_section.c_str(), nullptr, "", a_buffer, static_cast<DWORD>(a_size), path.c_str());
		});
		return std::move(list.names);
	}
}

// Where the lines can't tell (ListedSection.h), for a section name a listing
// doesn't find as a key read does, and for a section too long to list, the
// platform is asked key by key.
SectionReading::SectionReading(std::string a_file, std::string a_section) :
	_file(std::move(a_file)),
	_section(std::move(a_section))
{
	if (CanReadSectionAtOnce(_section)) {
		if (auto listed = ReadIniSectionLines(_file, _section, ""); listed.complete) {
			_lines = std::move(listed.lines);
		}
	}
	auto keys = _lines ? GetListedKeyNames(*_lines) : std::nullopt;
	_keys = keys ? std::move(*keys) : ReadKeyNames(_file, _section);
}

std::string SectionReading::GetValue(std::string_view a_key) const
{
	if (_lines) {
		if (auto value = FindListedValue(*_lines, a_key)) {
			return std::move(*value);
		}
	}
	return ReadIniValue(_file, _section, std::string(a_key), "");
}

const SectionReading& SectionReadings::Get(const std::string& a_file, const std::string& a_section)
{
	auto key = std::make_pair(a_file, ToLowerAscii(a_section));
	auto found = _read.find(key);
	if (found == _read.end()) {
		found = _read.emplace(std::move(key), SectionReading(a_file, a_section)).first;
	}
	return found->second;
}
