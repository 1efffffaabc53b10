#include "sim/events/Events.h"

#include <array>
#include <cstddef>

#include "sim/functions/Rows.h"
#include "sim/world/World.h"

namespace sim
{
	namespace
	{
		void RegisterSink(game::BSTEventSource* a_source, void* a_sink)
		{
			world().calls.record("RegisterSink", a_source, a_sink);
			if (a_source->count < game::BSTEventSource::kCapacity) {
				a_source->sinks[a_source->count++] = a_sink;
			}
		}

		game::BSTEventSource* GetSaveLoadEventSource()
		{
			world().calls.record("SaveLoadEvent::GetEventSource");
			return world().events.saveLoadSource;
		}

		void* DestroyListeningSink(void* a_sink, std::uint32_t) { return a_sink; }

		std::uint32_t CountEvent(void* a_sink, const void*, game::BSTEventSource*)
		{
			++static_cast<ListeningSink*>(a_sink)->received;
			return 0;
		}

		const void* const kListeningSinkVTable[]{ reinterpret_cast<const void*>(&DestroyListeningSink),
			reinterpret_cast<const void*>(&CountEvent) };
	}

	static_assert(offsetof(ListeningSink, vtable) == 0);

	ListeningSink::ListeningSink() noexcept :
		vtable(kListeningSinkVTable)
	{}

	void ListeningSink::listen_to(game::BSTEventSource& a_source) noexcept
	{
		if (a_source.count < game::BSTEventSource::kCapacity) {
			a_source.sinks[a_source.count++] = this;
		}
	}

	std::size_t deliver(game::BSTEventSource& a_source, const void* a_event)
	{
		std::size_t delivered = 0;
		for (std::uint32_t i = 0; i < a_source.count; ++i) {
			void* sink = a_source.sinks[i];
			const auto* vtable = *static_cast<const void* const* const*>(sink);
			// Read the slot through a volatile pointer: the call must go
			// through the table the sink presents.
			const ProcessEvent volatile process = reinterpret_cast<ProcessEvent>(vtable[game::kProcessEventSlot]);
			++delivered;
			if (process(sink, a_event, &a_source) != 0) {
				break;
			}
		}
		return delivered;
	}

	std::span<const GameItem> events_rows()
	{
		using namespace RE::IDs;
		static const std::array rows{
			function_row(BSTEventSource::RegisterSink, &RegisterSink),
			function_row(RE::IDs::Events::SaveLoadEvent::GetEventSource, &GetSaveLoadEventSource),
		};
		return rows;
	}
}
