#include "Runtime/Update3DVFuncStruct.h"

#include "RE/Natives.h"

float Update3DVFuncStruct::IsInVehicle(RE::Actor* akActor)
{
	if (!akActor) {
		return -1.0f;
	}
	float result = 0.0f;
	RE::ConsoleCommand::IsInVehicle(&akActor, &result);
	return result;
}
