#pragma once
// Event sources: sinks register with a source through the game's function,
// and the game hands each event to every sink through the sink's own
// virtual table in the game's (MSVC) order: slot 0 the destructor, slot 1
// ProcessEvent(sink, event, source), returning 0 to go on notifying.
#include <cstdint>
#include <span>

#include "sim/GameIndex.h"
#include "sim/world/Events.h"

namespace sim
{
	using ProcessEvent = std::uint32_t (*)(void* a_sink, const void* a_event, game::BSTEventSource* a_source);

	// Hands a_event to the sinks of a_source in order, until one answers
	// other than 0; returns how many got it.
	std::size_t deliver(game::BSTEventSource& a_source, const void* a_event);

	std::span<const GameItem> events_rows();
}
