// section_diff: a differential run of the section walk. Random INI files
// full of lines that are easy to misread (blanks and tabs around names and
// values, quotes of both kinds and unbalanced, repeated keys and sections,
// lines without an equals sign, comments, values around the longest a read
// returns, names beyond ASCII, CR or LF alone as line ends, a UTF-8 byte
// order mark or UTF-16, empty values, equals signs in values) are read section by
// section as the reload reads them (Settings/SectionReading.h), and key by
// key by the platform itself; every answer must be the same.
// Usage: section_diff.exe <seconds> <seed>
// Prints the files and answers compared and each difference; a file with a
// difference is kept as difference-<n>.ini in the current folder. Exit
// status 1 with differences.
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include "IniValues.h"
#include "Settings/IniFile.h"
#include "Settings/ProfileFields.h"
#include "Settings/SectionNames.h"
#include "Settings/SectionReading.h"

namespace
{
	// Beyond ASCII: in the code page or as UTF-8, some that the code page
	// holds only approximately (the fullwidth K, the Kelvin sign, a capital I
	// with a dot, an A with a macron) or not at all.
	constexpr std::string_view OtherKeys[] = { "k", "K", "dup", "DUP", "a b", "k\xC3\xA9", "\xE9k", "\xC9", "K\xE9", ";c", "; c", ";k", "#h",
		"[x]", "", "x\"", "\"q\"", "?", "bSmartAim\xA0", "\xA0k", "\xEF\xBC\xAB", "\xE2\x84\xAA", "bSmartA\xC4\xB0m", "\xC4\x80", "\xE4\xB8\xAD" };
	constexpr std::string_view Values[] = { "", "1", "0", "0x51", "-0.58", "90.0", "\"0.5\"", "'0.5'", "\"0.5'", "\"0.5", "0.5\"", "\"", "'", "\"\"",
		"''", "\"a\" b\"", "\" a \"", "a=b", "=", "==1", "0.5 ; comment", "# x", "\xC3\xA9t\xC3\xA9", "\xE9", "true", "a  b", "\"\t1\t\"" };
	constexpr std::string_view SectionNames[] = { "Default", "REV-8", "Rover Mk2", "Global", "gLoBaL", "A", "a", "B", "Caf\xC3\xA9", "Caf\xE9", "\xE9",
		"", "x]y", "A=1", "k" };
	constexpr std::string_view LineEnds[] = { "\r\n", "\n", "\r" };

	// One random file, and the key names it was written with.
	class IniMaker
	{
	public:
		explicit IniMaker(std::uint64_t a_seed) :
			_random(a_seed)
		{}

		std::string MakeFile(std::set<std::string>& a_keys)
		{
			_keys = &a_keys;
			const std::size_t lineEnds = Pick(4);
			std::string text = Chance(25) ? "\xEF\xBB\xBF" : "";
			const auto end = [&] { return std::string(LineEnds[lineEnds < 3 ? lineEnds : Pick(3)]); };
			for (std::size_t i = Chance(30) ? Pick(3) + 1 : 0; i > 0; --i) {
				text += MakeLine() + end();
			}
			for (std::size_t section = Pick(4) + 1; section > 0; --section) {
				text += MakeSectionHeader() + end();
				for (std::size_t line = Pick(9); line > 0; --line) {
					text += MakeLine() + end();
				}
			}
			if (Chance(20)) {
				text.resize(text.find_last_not_of("\r\n") + 1);
			}
			// Now and then UTF-16, each byte a character of its own.
			if (Chance(5)) {
				std::string wide = "\xFF\xFE";
				for (const char c : text) {
					wide += c;
					wide += '\0';
				}
				return wide;
			}
			return text;
		}

		std::string ChangeCase(std::string_view a_text)
		{
			std::string changed(a_text);
			const std::size_t how = Pick(4);
			for (auto& c : changed) {
				if (how == 0 || !std::isalpha(static_cast<unsigned char>(c))) {
					continue;
				}
				const bool upper = how == 1 || (how == 3 && Chance(50));
				c = static_cast<char>(upper ? std::toupper(static_cast<unsigned char>(c)) : std::tolower(static_cast<unsigned char>(c)));
			}
			return changed;
		}

		std::size_t Pick(std::size_t a_count) { return std::uniform_int_distribution<std::size_t>(0, a_count - 1)(_random); }
		bool Chance(std::size_t a_percent) { return Pick(100) < a_percent; }

	private:
		std::string MakeBlanks()
		{
			constexpr std::string_view blanks[] = { "", "", "", " ", "\t", "  \t ", "\v", "\f", " \x1A" };
			return std::string(blanks[Pick(std::size(blanks))]);
		}

		std::string MakeKey()
		{
			std::string key;
			if (Chance(40)) {
				key = ChangeCase(ProfileFields[Pick(ProfileFields.size())].sKey);
			} else if (Chance(15)) {
				key = ChangeCase(GlobalKeys[Pick(std::size(GlobalKeys))].sKey);
			} else {
				key = OtherKeys[Pick(std::size(OtherKeys))];
			}
			_keys->insert(key);
			return key;
		}

		// Around the longest value a read returns, of letters, some beyond
		// ASCII, maybe quoted.
		std::string MakeLongValue()
		{
			std::string value(MaxIniValueLength - 8 + Pick(16), 'x');
			for (std::size_t i = Pick(3); i > 0; --i) {
				value.replace(Pick(value.size() - 2), 2, "\xC3\xA9");
			}
			if (Chance(50)) {
				const char quote = Chance(50) ? '"' : '\'';
				value.front() = quote;
				value.back() = quote;
			}
			return value;
		}

		std::string MakeValue() { return Chance(5) ? MakeLongValue() : std::string(Values[Pick(std::size(Values))]); }

		std::string MakeLine()
		{
			const std::size_t kind = Pick(100);
			if (kind < 65) {
				return MakeBlanks() + MakeKey() + MakeBlanks() + "=" + MakeBlanks() + MakeValue() + MakeBlanks();
			}
			if (kind < 77) {
				return MakeBlanks() + MakeKey() + MakeBlanks();
			}
			if (kind < 90) {
				return std::string(Chance(50) ? ";" : "#") + (Chance(50) ? MakeKey() + "=" + MakeValue() : " a comment");
			}
			return MakeBlanks();
		}

		std::string MakeSectionHeader()
		{
			std::string name(SectionNames[Pick(std::size(SectionNames))]);
			constexpr std::string_view tails[] = { "", "", "", " ; note", " junk", "]" };
			std::string header = MakeBlanks() + "[" + (Chance(15) ? MakeBlanks() : "") + ChangeCase(name) + (Chance(15) ? MakeBlanks() : "");
			return Chance(97) ? header + "]" + std::string(tails[Pick(std::size(tails))]) + MakeBlanks() : header;
		}

		std::mt19937_64 _random;
		std::set<std::string>* _keys{ nullptr };
	};

	std::string ReadPlatformValue(const std::string& a_path, const std::string& a_section, const std::string& a_key)
	{
		std::string value(MaxIniValueLength + 1, '\0');
		::GetPrivateProfileStringA(a_section.c_str(), a_key.c_str(), "", value.data(), static_cast<DWORD>(value.size()), a_path.c_str());
		value.resize(std::char_traits<char>::length(value.c_str()));
		return value;
	}

	std::vector<std::string> ReadPlatformKeys(const std::string& a_path, const std::string& a_section)
	{
		return ReadSectionNames([&](char* a_buffer, std::size_t a_size) -> std::size_t {
			return ::GetPrivateProfileStringA(a_section.c_str(), nullptr, "", a_buffer, static_cast<DWORD>(a_size), a_path.c_str());
		}).names;
	}

	// Bytes beyond printable ASCII as \xNN; a long text by its start and size.
	std::string Show(std::string_view a_text)
	{
		std::string shown = "\"";
		for (const char c : a_text.substr(0, 48)) {
			const auto byte = static_cast<unsigned char>(c);
			if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
				char escaped[8];
				std::snprintf(escaped, sizeof(escaped), "\\x%02X", byte);
				shown += escaped;
			} else {
				shown += c;
			}
		}
		shown += a_text.size() > 48 ? "\"... (" + std::to_string(a_text.size()) + " bytes)" : "\"";
		return shown;
	}

	std::string ShowKeys(const std::vector<std::string>& a_keys)
	{
		std::string shown = "{";
		for (const auto& key : a_keys) {
			if (shown.size() > 1) {
				shown += ' ';
			}
			shown += Show(key);
		}
		return shown + "}";
	}

	class Comparison
	{
	public:
		std::uint64_t iAnswers{ 0 };
		std::uint64_t iDifferences{ 0 };

		// False when an answer differed; the file is then kept.
		bool CompareFile(std::string_view a_text, const std::string& a_base, IniMaker& a_maker, const std::set<std::string>& a_keys)
		{
			const std::string file = a_base + ".ini";
			const std::string path = ".\\" + file;
			_text = a_text;
			_kept.clear();
			// Each section as the reload asks for it, and once in another case or
			// with a blank around it.
			std::set<std::string> sections;
			for (const auto& name : GetIniSectionNames(".\\", file)) {
				sections.insert(name);
				sections.insert(a_maker.Chance(70) ? a_maker.ChangeCase(name) : " " + name);
			}
			if (a_maker.Chance(10)) {
				sections.insert("Missing");
			}
			// The keys the file has, in any case, and as the reload spells
			// them; a few keys it may not have.
			std::set<std::string> keys;
			for (const auto& key : a_keys) {
				keys.insert(a_maker.ChangeCase(key));
				if (const auto* field = FindProfileFieldIgnoringCase(key)) {
					keys.insert(std::string(field->sKey));
				} else if (const auto* global = FindGlobalKey(key)) {
					keys.insert(std::string(global->sKey));
				}
			}
			for (int i = 0; i < 4; ++i) {
				keys.insert(std::string(ProfileFields[a_maker.Pick(ProfileFields.size())].sKey));
			}
			keys.insert(std::string(GlobalKeys[a_maker.Pick(std::size(GlobalKeys))].sKey));
			for (const auto& section : sections) {
				if (section.empty()) {
					continue;
				}
				const SectionReading reading(a_base, section);
				++iAnswers;
				if (const auto listed = ReadPlatformKeys(path, section); reading.GetKeys() != listed) {
					Report(section, "(the key list)", ShowKeys(reading.GetKeys()), ShowKeys(listed));
				}
				const auto compare = [&](const std::string& a_key) {
					++iAnswers;
					const auto walked = reading.GetValue(a_key);
					if (const auto platform = ReadPlatformValue(path, section, a_key); walked != platform) {
						Report(section, a_key, Show(walked), Show(platform));
					}
				};
				for (const auto& key : keys) {
					if (!key.empty()) {
						compare(key);
					}
				}
			}
			return _kept.empty();
		}

	private:
		void Report(const std::string& a_section, std::string_view a_key, const std::string& a_walked, const std::string& a_platform)
		{
			if (_kept.empty()) {
				_kept = "difference-" + std::to_string(iDifferences + 1) + ".ini";
				std::ofstream(_kept, std::ios::binary) << _text;
			}
			++iDifferences;
			std::printf("difference in %s [%s] %s: section at once %s, platform %s\n", _kept.c_str(), Show(a_section).c_str(), Show(a_key).c_str(),
				a_walked.c_str(), a_platform.c_str());
		}

		std::string_view _text;
		std::string _kept;
	};
}

int main(int a_argc, char** a_argv)
{
	if (a_argc != 3) {
		std::fprintf(stderr, "usage: section_diff.exe <seconds> <seed>\n");
		return 2;
	}
	const double seconds = std::strtod(a_argv[1], nullptr);
	const std::uint64_t seed = std::strtoull(a_argv[2], nullptr, 10);
	SetPluginFolder(".\\");
	IniMaker maker(seed);
	Comparison comparison;
	std::uint64_t files = 0;
	const auto start = std::chrono::steady_clock::now();
	const auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
	while (elapsed() < seconds) {
		std::set<std::string> keys;
		const auto text = maker.MakeFile(keys);
		// A fresh name for every file: the platform keeps files it has read
		// by their name and write time.
		const std::string base = "walk-" + std::to_string(files);
		std::ofstream(base + ".ini", std::ios::binary) << text;
		comparison.CompareFile(text, base, maker, keys);
		::DeleteFileA((base + ".ini").c_str());
		++files;
	}
	std::printf("section_diff: %llu files, %llu answers compared, %llu differences, %.0f s (seed %llu)\n", static_cast<unsigned long long>(files),
		static_cast<unsigned long long>(comparison.iAnswers), static_cast<unsigned long long>(comparison.iDifferences), elapsed(),
		static_cast<unsigned long long>(seed));
	return comparison.iDifferences == 0 ? 0 : 1;
}
