#include "Lifecycle/VisibilityHook.h"

#include <atomic>

#include "Helpers/HookSiteChecks.h"
#include "RE/BSFadeNode.h"
#include "RE/IDs.h"
#include "REL/ID.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "SFSE/Memory.h"

VisibilityFunction OriginalVisibilityFunction = nullptr;

std::uint64_t VisibilityThunk(RE::BSFadeNode* a_node, std::uint8_t a_visibilityState)
{
	const auto desired = Update3DVFuncStruct::GetDesiredVisibilityState(a_node, a_visibilityState);
	return std::atomic_ref(OriginalVisibilityFunction).load(std::memory_order_acquire)(a_node, desired);
}

void InstallVisibilityHook()
{
	static const REL::Relocation<std::uintptr_t*> vtable{ RE::IDs::BSFadeNode::VTable };
	auto* slot = reinterpret_cast<VisibilityFunction*>(vtable.get() + RE::BSFadeNode::kVisibilitySlot);

	const auto previous = std::atomic_ref(*slot).load(std::memory_order_relaxed);
	if (previous == &VisibilityThunk) {
		return;
	}
	// The thunk calls whatever the slot held: it must be code.
	if (!IsHookableFunctionSlot("UpdateVisibility", reinterpret_cast<std::uintptr_t>(slot), reinterpret_cast<std::uintptr_t>(previous))) {
		return;
	}
	std::atomic_ref(OriginalVisibilityFunction).store(previous, std::memory_order_release);

	auto& memory = SFSE::memory::current();
	const auto address = reinterpret_cast<std::uintptr_t>(slot);
	std::uint32_t oldProtection = 0;
	if (!memory.protect(address, sizeof(*slot), SFSE::memory::kPageExecuteReadWrite, oldProtection)) {
		return;
	}
	// One 8-byte store: a game thread calling through the slot sees either
	// function, never half of each.
	std::atomic_ref(*slot).store(&VisibilityThunk, std::memory_order_release);
	std::uint32_t restored = 0;
	memory.protect(address, sizeof(*slot), oldProtection, restored);
}
