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

	// Another sink of the game's, in the game's layout: it counts the events
	// it gets and lets the game go on notifying. listen_to() puts it after
	// the sinks a_source has.
	struct ListeningSink
	{
		ListeningSink() noexcept;
		void listen_to(game::BSTEventSource& a_source) noexcept;

		const void* const* vtable;
		std::size_t received{ 0 };
	};

	std::span<const GameItem> events_rows();
}
