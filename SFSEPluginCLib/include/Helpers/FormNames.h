#pragma once
// Names of forms and references, and the one-line description of a form the
// log uses. An empty text means that no name was found.
#include <string>

#include "RE/TESForm.h"
#include "RE/TESObjectREFR.h"

// The game's own name query (RE::TESForm::GetFullName).
std::string GetTESFullNameNative(const RE::TESForm* theForm);

// The form's name component; the game's own name query when it has none or
// an empty one.
std::string GetTESFullName(const RE::TESForm* theForm);

// The reference's own display name; its base object's name otherwise.
std::string GetReferenceName(const RE::TESObjectREFR* theRef);

// "[<address> | <form ID> | <form type> | <name>]", the type and the name
// parts only when asked for. The name part treats the form as a reference.
std::string GetFormDescription(const RE::TESForm* theForm, bool a_includeType, bool a_includeName);
