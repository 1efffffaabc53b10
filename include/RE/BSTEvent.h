#pragma once
// The game's event sources and sinks. The game calls a sink through its
// virtual table in its own (MSVC) layout: slot 0 the destructor, slot 1
// ProcessEvent. MinGW's ABI gives a virtual destructor two slots, so there
// the base declares a stand-in for the game's one destructor slot instead.
#include <cstdint>

#include "RE/GameString.h"
#include "RE/IDs.h"
#include "RE/Offsets.h"
#include "REL/ID.h"

namespace RE
{
	enum class BSEventNotifyControl : std::uint32_t
	{
		kContinue = 0,  // the game goes on notifying other sinks
		kStop = 1,
	};

	template <class Event>
	class BSTEventSource;

	namespace BSTEventDetail
	{
		class SinkBase
		{
		public:
#if defined(_MSC_VER)
			virtual ~SinkBase() = default;
#else
			// The game's scalar deleting destructor. The plugin's sinks are
			// static and outlive the game's use of them: nothing to do.
			virtual void* DestroySink(std::uint32_t) { return this; }

		protected:
			~SinkBase() = default;
#endif
		};
	}

	template <class Event>
	class BSTEventSink : public BSTEventDetail::SinkBase
	{
	public:
		virtual BSEventNotifyControl ProcessEvent(const Event& a_event, BSTEventSource<Event>* a_source) = 0;
	};

	// Sinks register with a source through the game's function.
	template <class Event>
	class BSTEventSource
	{
	public:
		BSTEventSource() = delete;
		BSTEventSource(const BSTEventSource&) = delete;
		BSTEventSource& operator=(const BSTEventSource&) = delete;

		void RegisterSink(BSTEventSink<Event>* a_sink)
		{
			using RegisterSink_t = void (*)(void*, void*);
			static const REL::Relocation<RegisterSink_t> func{ IDs::BSTEventSource::RegisterSink };
			func(this, static_cast<BSTEventDetail::SinkBase*>(a_sink));
		}
	};

	// A menu opened or closed: its name as a game string at 0, the opening
	// flag byte at 8.
	class MenuOpenCloseEvent
	{
	public:
		MenuOpenCloseEvent() = delete;
		static constexpr std::size_t kMenuNameOffset = 0x00;
		static constexpr std::size_t kOpeningOffset = 0x08;

		std::string_view MenuName() const noexcept { return GameString::text_of(detail::read_at<const void*>(this, kMenuNameOffset)); }
		bool IsOpening() const noexcept { return detail::read_at<std::uint8_t>(this, kOpeningOffset) != 0; }
	};
}

namespace Events
{
	// A game saved or loaded; its contents are never read.
	class SaveLoadEvent
	{
	public:
		SaveLoadEvent() = delete;

		static RE::BSTEventSource<SaveLoadEvent>* GetEventSource()
		{
			using GetEventSource_t = RE::BSTEventSource<SaveLoadEvent>* (*)();
			static const REL::Relocation<GetEventSource_t> func{ RE::IDs::Events::SaveLoadEvent::GetEventSource };
			return func();
		}
	};
}
