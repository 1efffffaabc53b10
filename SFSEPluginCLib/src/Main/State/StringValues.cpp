#include "State/StringValues.h"

#include <array>
#include <cstdint>
#include <span>

#include "RE/IDs.h"
#include "State/GameData.h"
#include "State/SharedState.h"

namespace
{
	std::span<StringValueSlot> SlotsOf(StringValueGroup a_group) noexcept
	{
		return a_group == StringValueGroup::kA ? std::span(StringValueSlots).subspan(1, 2) : std::span(StringValueSlots).subspan(3, 6);
	}

	void Store(StringValueSlot& a_slot, std::uint64_t a_value) noexcept
	{
		if (auto* address = LoadShared(a_slot.address); address && *address != a_value) {
			*address = a_value;
		}
	}
}

const std::array<std::uint64_t*, 9>& GetStringValueSlotAddresses()
{
	// The slots never move while the game runs.
	static const auto addresses = [] {
		std::array<std::uint64_t*, 9> result{};
		for (std::size_t i = 0; i < result.size(); ++i) {
			result[i] = reinterpret_cast<std::uint64_t*>(RE::IDs::StringValueSlots[i].address());
		}
		return result;
	}();
	return addresses;
}

void CopyFirstStringValueInto(StringValueGroup a_group) noexcept
{
	const auto value = LoadShared(StringValueSlots[0].savedValue);
	for (auto& slot : SlotsOf(a_group)) {
		Store(slot, value);
	}
}

void RestoreStringValues(StringValueGroup a_group) noexcept
{
	for (auto& slot : SlotsOf(a_group)) {
		Store(slot, LoadShared(slot.savedValue));
	}
}
