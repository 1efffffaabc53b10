#include "Helpers/AddressText.h"

#include <fmt/format.h>

#include "Settings/Logging.h"

std::uintptr_t GameModuleHandle = 0;

std::string GetAddressAsHex(std::uint64_t a_address, bool a_relative)
{
	if (a_address == 0) {
		return {};
	}
	if (a_relative) {
		const auto offset = static_cast<std::int64_t>(a_address - static_cast<std::uint64_t>(GameModuleHandle));
		if (offset > 0) {
			return fmt::format("Starfield.exe + 0x{:X}", offset);
		}
		LOG_ERROR("calculated offset <= 0 --> [", offset, "]");
	}
	return fmt::format("{:X}", a_address);
}
