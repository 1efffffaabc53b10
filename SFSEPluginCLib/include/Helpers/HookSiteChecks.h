#pragma once
// What a hook site must hold before the plugin changes it. Another mod may
// have changed a site first; a site that no longer holds what the hook
// expects is left as it is, with one error line, and the installation goes
// on with the rest.
#include <cstdint>
#include <string_view>

// Committed memory whose protection allows execution (the game's code,
// another module's, or a block another mod allocated for its own stubs).
bool IsExecutableAddress(std::uintptr_t a_address);

// a_site holds a 5-byte relative call (E8) whose target is executable;
// otherwise one error line names a_hook, the site and the five bytes found.
bool IsHookableCallSite(std::string_view a_hook, std::uintptr_t a_site);

// a_value, the function a table slot at a_slot holds, is executable;
// otherwise one error line names a_hook, the slot and the value found.
bool IsHookableFunctionSlot(std::string_view a_hook, std::uintptr_t a_slot, std::uintptr_t a_value);
