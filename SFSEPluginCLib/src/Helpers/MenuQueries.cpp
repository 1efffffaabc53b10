#include "Helpers/MenuQueries.h"

#include "RE/GameString.h"
#include "RE/UI.h"

bool IsMenuOpen(RE::UI* a_ui, const char* a_menuName)
{
	if (!a_ui) {
		return false;
	}
	const RE::GameString menuName(a_menuName);
	return a_ui->IsMenuOpen(menuName);
}
