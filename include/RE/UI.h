#pragma once
// The game's user interface: which menus are open.
#include "RE/GameString.h"
#include "RE/IDs.h"
#include "REL/ID.h"

namespace RE
{
	class UI
	{
	public:
		UI() = delete;
		UI(const UI&) = delete;
		UI& operator=(const UI&) = delete;

		// The game's UI object, read anew at each call; the global's address
		// is resolved once.
		static UI* GetSingleton()
		{
			static const REL::Relocation<UI**> singleton{ IDs::UI::Singleton };
			return *singleton;
		}

		bool IsMenuOpen(const GameString& a_menuName) const
		{
			using IsMenuOpen_t = bool (*)(const UI*, const GameString*);
			static const REL::Relocation<IsMenuOpen_t> func{ IDs::UI::IsMenuOpen };
			return func(this, &a_menuName);
		}
	};
}
