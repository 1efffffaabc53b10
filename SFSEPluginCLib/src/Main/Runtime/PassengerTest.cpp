#include "Lifecycle/GameData.h"
#include "RE/Natives.h"
#include "Runtime/Update3DVFuncStruct.h"

bool Update3DVFuncStruct::PassengerTest(RE::Actor* akCompanion)
{
	if (!PlayerRef || !akCompanion) {
		return false;
	}
	return RE::ActorNative::PassengerTest(PlayerRef, akCompanion);
}
