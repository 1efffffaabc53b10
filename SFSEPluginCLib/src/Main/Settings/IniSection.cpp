#include "Settings/IniSection.h"

#include <algorithm>
#include <utility>

#include <windows.h>

#include "Settings/IniFile.h"
#include "Settings/SectionNames.h"

namespace
{
	// As the narrow INI functions take a name or a path.
	std::wstring WidenAnsi(std::string_view a_text)
	{
		std::wstring wide(a_text.size(), L'\0');
		wide.resize(static_cast<std::size_t>(::MultiByteToWideChar(CP_ACP, 0, a_text.data(), static_cast<int>(a_text.size()), wide.data(), static_cast<int>(wide.size()))));
		return wide;
	}

	// As the narrow INI functions give a text back: best fit and all. With
	// a_lossy, whether the code page had to stand in for a character (an
	// approximation or the default character).
	std::string NarrowAnsi(std::wstring_view a_text, bool* a_lossy)
	{
		// ASCII is itself in every ANSI code page; most lines are nothing else.
		if (std::all_of(a_text.begin(), a_text.end(), [](wchar_t a_char) { return a_char < 0x80; })) {
			if (a_lossy) {
				*a_lossy = false;
			}
			return std::string(a_text.begin(), a_text.end());
		}
		const auto size = static_cast<int>(a_text.size());
		// UTF-8 holds every character, and takes neither the flag nor the
		// question.
		const bool bCanLose = a_lossy && ::GetACP() != CP_UTF8;
		BOOL usedDefault = FALSE;
		const DWORD flags = bCanLose ? WC_NO_BEST_FIT_CHARS : 0;
		BOOL* askDefault = bCanLose ? &usedDefault : nullptr;
		std::string narrow(static_cast<std::size_t>(::WideCharToMultiByte(CP_ACP, flags, a_text.data(), size, nullptr, 0, nullptr, askDefault)), '\0');
		::WideCharToMultiByte(CP_ACP, flags, a_text.data(), size, narrow.data(), static_cast<int>(narrow.size()), nullptr, askDefault);
		if (a_lossy) {
			*a_lossy = usedDefault != FALSE;
		}
		if (bCanLose && usedDefault) {
			// The text as the functions give it, with their approximations.
			return NarrowAnsi(a_text, nullptr);
		}
		return narrow;
	}
}

IniSectionLines ReadIniSectionLines(std::string_view a_file, std::string_view a_section, std::string_view a_folder)
{
	const auto hasZeroByte = [](std::string_view a_text) { return a_text.find('\0') != std::string_view::npos; };
	if (a_file.empty() || a_section.empty() || hasZeroByte(a_file) || hasZeroByte(a_section) || hasZeroByte(a_folder)) {
		return { {}, true };
	}
	const auto path = GetIniPath(a_file, a_folder);
	if (path.size() > MaxIniPathLength) {
		return { {}, true };
	}
	// Read wide, so that a key name the code page can't hold is seen as
	// such; the narrow text is made as the narrow functions make theirs. The
	// list has the shape of the section-name list: texts each ended by a
	// zero, cut in the same way when the buffer is too small.
	const auto section = WidenAnsi(a_section);
	const auto widePath = WidenAnsi(path);
	const auto [list, complete] = ReadWholeList<wchar_t>([&](wchar_t* a_buffer, std::size_t a_size) -> std::size_t {
		return ::GetPrivateProfileSectionW(section.c_str(), a_buffer, static_cast<DWORD>(a_size), widePath.c_str());
	});
	if (!complete) {
		return { {}, false };
	}
	IniSectionLines listed{ {}, true };
	for (std::size_t start = 0; start < list.size();) {
		const auto end = std::min(list.find(L'\0', start), list.size());
		const std::wstring_view line(list.data() + start, end - start);
		const auto equals = std::min(line.find(L'='), line.size());
		bool bLossyKey = false;
		auto text = NarrowAnsi(line.substr(0, equals), &bLossyKey);
		if (bLossyKey) {
			return { {}, false };
		}
		text += NarrowAnsi(line.substr(equals), nullptr);
		listed.lines.push_back(std::move(text));
		start = end + 1;
	}
	return listed;
}
