#include "RE/Natives.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "State/GameData.h"

bool Update3DVFuncStruct::PassengerTest(RE::Actor* akCompanion)
{
	if (!PlayerRef || !akCompanion) {
		return false;
	}
	return RE::ActorNative::PassengerTest(PlayerRef, akCompanion);
}
