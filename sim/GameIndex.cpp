#include "sim/GameIndex.h"

#include <algorithm>
#include <vector>

#include <windows.h>

#include "sim/code/Code.h"
#include "sim/events/Events.h"
#include "sim/functions/Areas.h"

namespace sim
{
	std::span<const GameItem> game_items()
	{
		static const auto items = [] {
			std::vector<GameItem> all;
			for (const auto rows : { settings_rows(), forms_rows(), references_rows(), dialogue_rows(), menus_rows(),
					 camera_rows(), time_rows(), strings_rows(), events_rows(), code::rows() }) {
				all.insert(all.end(), rows.begin(), rows.end());
			}
			return all;
		}();
		return items;
	}

	std::uintptr_t game_address(REL::ID a_id) noexcept
	{
		const auto items = game_items();
		const auto it = std::find_if(items.begin(), items.end(), [&](const GameItem& a_item) { return a_item.id == a_id; });
		return it == items.end() ? 0 : it->address;
	}

	std::uintptr_t game_base() noexcept
	{
		return reinterpret_cast<std::uintptr_t>(::GetModuleHandleW(nullptr));
	}
}
