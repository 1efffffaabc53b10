#pragma once
// Whether one of the game's menus is open, asked with a game string of its
// name that is built and released around the question.
namespace RE
{
	class UI;
}

// False without a UI object.
bool IsMenuOpen(RE::UI* a_ui, const char* a_menuName);
