#include "REL/ID.h"

#include <fmt/format.h>

#include "REL/IDDatabase.h"
#include "REL/Module.h"
#include "SFSE/FatalError.h"

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
		const auto& game = Module::get();
		// A damaged library, or one of another game, can pass every header
		// check and still send a call anywhere: an offset past the image is
		// never taken for an address.
		if (offset >= game.image_size()) {
			SFSE::fatal_error(fmt::format(
				"The address library maps id {} to offset 0x{:X}, outside the game executable (0x{:X} bytes)\n"
				"This means the address library file is damaged or belongs to another version of the game.",
				_id, offset, game.image_size()));
		}
		return game.base() + static_cast<std::uintptr_t>(offset);
	}

	namespace detail
	{
		std::uintptr_t game_base()
		{
			return Module::get().base();
		}
	}
}
