#include "REL/ID.h"

#include "REL/IDDatabase.h"
#include "REL/Module.h"

namespace REL
{
	std::uint64_t ID::offset() const
	{
		auto& database = IDDatabase::get();
		database.ensure_loaded();
		return database.id2offset(_id);
	}

	std::uintptr_t ID::address() const
	{
		const auto offset = this->offset();
		return detail::game_base() + static_cast<std::uintptr_t>(offset);
	}

	namespace detail
	{
		std::uintptr_t game_base()
		{
			return Module::get().base();
		}
	}
}
