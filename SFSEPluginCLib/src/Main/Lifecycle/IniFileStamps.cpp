#include "State/IniFileStamps.h"

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
	return { GetIniFileStamp(VanillaIniName), GetIniFileStamp(CustomIniName) };
}

bool IsIniFileHeld(std::string_view a_baseName)
{
	const HANDLE file = ::CreateFileW(PathOf(a_baseName).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
		OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
	if (file == INVALID_HANDLE_VALUE) {
		return ::GetLastError() == ERROR_SHARING_VIOLATION;
	}
	::CloseHandle(file);
	return false;
}
