#include "SFSE/Unicode.h"

#include <climits>

#include <windows.h>

namespace SFSE::stl
{
	std::optional<std::wstring> utf8_to_utf16(std::string_view a_in)
	{
		if (a_in.empty()) {
			return std::wstring{};
		}
		if (a_in.size() > INT_MAX) {
			return std::nullopt;
		}
		const auto inLength = static_cast<int>(a_in.size());
		const int length = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, a_in.data(), inLength, nullptr, 0);
		if (length <= 0) {
			return std::nullopt;
		}
		std::wstring out(static_cast<std::size_t>(length), L'\0');
		if (::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, a_in.data(), inLength, out.data(), length) != length) {
			return std::nullopt;
		}
		return out;
	}

	std::optional<std::string> utf16_to_utf8(std::wstring_view a_in)
	{
		if (a_in.empty()) {
			return std::string{};
		}
		if (a_in.size() > INT_MAX) {
			return std::nullopt;
		}
		const auto inLength = static_cast<int>(a_in.size());
		const int length = ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, a_in.data(), inLength, nullptr, 0, nullptr, nullptr);
		if (length <= 0) {
			return std::nullopt;
		}
		std::string out(static_cast<std::size_t>(length), '\0');
		if (::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, a_in.data(), inLength, out.data(), length, nullptr, nullptr) != length) {
			return std::nullopt;
		}
		return out;
	}
}
