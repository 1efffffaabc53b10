#include "Helpers/HookSiteChecks.h"

#include <array>
#include <cstring>

#include <fmt/format.h>
#include <fmt/ranges.h>

#include "Helpers/AddressText.h"
#include "SFSE/BranchCode.h"
#include "SFSE/Logger.h"
#include "SFSE/Memory.h"

namespace
{
	constexpr std::uint32_t kExecutableProtections = SFSE::memory::kPageExecute | SFSE::memory::kPageExecuteRead |
		SFSE::memory::kPageExecuteReadWrite | SFSE::memory::kPageExecuteWriteCopy;
	constexpr std::uint32_t kGuardOrNoAccess = SFSE::memory::kPageGuard | SFSE::memory::kPageNoAccess;

	// A site's bytes as "E8 12 34 56 78".
	std::string BytesText(const std::array<std::uint8_t, 5>& a_bytes)
	{
		return fmt::format("{:02X}", fmt::join(a_bytes, " "));
	}
}

bool IsExecutableAddress(std::uintptr_t a_address)
{
	if (a_address == 0) {
		return false;
	}
	SFSE::memory::Region region;
	if (!SFSE::memory::current().query(a_address, region)) {
		return false;
	}
	return region.state == SFSE::memory::kMemCommit && (region.protection & kExecutableProtections) != 0 &&
		(region.protection & kGuardOrNoAccess) == 0;
}

bool IsHookableCallSite(std::string_view a_hook, std::uintptr_t a_site)
{
	std::array<std::uint8_t, 5> bytes{};
	std::memcpy(bytes.data(), reinterpret_cast<const void*>(a_site), bytes.size());
	const auto target = SFSE::branch::decode_call5(a_site, bytes.data());
	if (target && IsExecutableAddress(static_cast<std::uintptr_t>(*target))) {
		return true;
	}
	// Written whatever the logging switch says: without it a player can't
	// tell why a fix stays off.
	SFSE::log::error("{} not hooked | the call site {} holds {}, not a relative call into executable code", a_hook,
		GetAddressAsHex(a_site, true), BytesText(bytes));
	return false;
}

bool IsHookableFunctionSlot(std::string_view a_hook, std::uintptr_t a_slot, std::uintptr_t a_value)
{
	if (IsExecutableAddress(a_value)) {
		return true;
	}
	SFSE::log::error("{} not hooked | the table slot {} holds {:X}, not executable code", a_hook,
		GetAddressAsHex(a_slot, true), a_value);
	return false;
}
