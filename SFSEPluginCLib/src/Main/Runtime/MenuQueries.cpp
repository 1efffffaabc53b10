#include "Runtime/MenuQueries.h"

#include "Lifecycle/GameData.h"
#include "Lifecycle/SharedState.h"
#include "RE/GameString.h"
#include "RE/UI.h"

RE::UI* GetUIToAsk()
{
	if (auto* ui = LoadShared(UIRef)) {
		return ui;
	}
	return RE::UI::GetSingleton();
}

bool IsMenuOpen(RE::UI* a_ui, const char* a_menuName)
{
	if (!a_ui) {
		return false;
	}
	const RE::GameString menuName(a_menuName);
	return a_ui->IsMenuOpen(menuName);
}
