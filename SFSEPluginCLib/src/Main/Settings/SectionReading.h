#pragma once
// A section of an INI file read at once: one platform read for the whole
// section (IniSection.h), and what each key reads as worked out from its
// lines (ListedSection.h), the answer a read of that key alone
// (ReadIniValue) gives.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class SectionReading
{
public:
	// a_file: the INI's base name, in the plugin folder in use.
	SectionReading(std::string a_file, std::string a_section);

	// As the platform lists them, for a section that appears twice those of
	// the first.
	const std::vector<std::string>& GetKeys() const noexcept { return _keys; }

	// What ReadIniValue returns for the key.
	std::string GetValue(std::string_view a_key) const;

private:
	std::string _file;
	std::string _section;
	// Nothing when every key is asked of the platform on its own.
	std::optional<std::vector<std::string>> _lines;
	std::vector<std::string> _keys;
};

// Each section read once: the INI functions find a name in any case, and of
// a name that appears twice the first section, so one reading answers for
// every section named alike in a file.
class SectionReadings
{
public:
	const SectionReading& Get(const std::string& a_file, const std::string& a_section);

private:
	std::map<std::pair<std::string, std::string>, SectionReading> _read;
};
