#include "Lifecycle/IniFileStamps.h"

#include <string>

#include <windows.h>

#include "SFSE/Unicode.h"
#include "Settings/IniFile.h"

namespace
{
	std::wstring PathOf(std::string_view a_baseName)
	{
		return SFSE::stl::utf8_to_utf16(GetIniPath(a_baseName, "")).value_or(std::wstring());
	}
}

IniFileStamp GetIniFileStamp(std::string_view a_baseName)
{
	WIN32_FILE_ATTRIBUTE_DATA data{};
	if (!::GetFileAttributesExW(PathOf(a_baseName).c_str(), GetFileExInfoStandard, &data)) {
		return {};
	}
	const auto join = [](DWORD a_high, DWORD a_low) { return (static_cast<std::uint64_t>(a_high) << 32) | a_low; };
	return { true, join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime), join(data.nFileSizeHigh, data.nFileSizeLow) };
}

IniFileStamps GetIniFileStamps()
{
	return { GetIniFileStamp(IniFileBaseNames[0]), GetIniFileStamp(IniFileBaseNames[1]) };
}

IniFileAccess GetIniFileAccess(std::string_view a_baseName, unsigned long* a_error)
{
	// Shared with everyone, as the INI functions open it: only a program
	// that shares it with nobody keeps us out.
	const HANDLE file = ::CreateFileW(PathOf(a_baseName).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
		OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
	if (file != INVALID_HANDLE_VALUE) {
		::CloseHandle(file);
		return IniFileAccess::kReadable;
	}
	const DWORD error = ::GetLastError();
	if (a_error) {
		*a_error = error;
	}
	switch (error) {
	case ERROR_FILE_NOT_FOUND:
	case ERROR_PATH_NOT_FOUND:
		return IniFileAccess::kMissing;
	case ERROR_SHARING_VIOLATION:
	case ERROR_LOCK_VIOLATION:
		return IniFileAccess::kHeld;
	default:
		return IniFileAccess::kUnreadable;
	}
}
