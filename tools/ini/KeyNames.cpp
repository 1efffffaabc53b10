#include "KeyNames.h"

#include <fmt/format.h>

std::string_view GetVirtualKeyName(std::int32_t) noexcept
{
	return {};
}

std::string DescribeHotkey(std::int32_t a_code)
{
	const auto name = GetVirtualKeyName(a_code);
	return fmt::format("0x{:02X} ({})", static_cast<std::uint32_t>(a_code), name.empty() ? std::string_view("no key") : name);
}
