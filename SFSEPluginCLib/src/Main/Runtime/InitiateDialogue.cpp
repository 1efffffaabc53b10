#include "RE/Natives.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "State/GameData.h"

void Update3DVFuncStruct::InitiateDialogue(RE::Actor* akCompanion)
{
	if (!PlayerRef || !akCompanion) {
		return;
	}
	RE::ActorNative::InitiateDialogue(akCompanion, PlayerRef);
}
