#include "Helpers/FormNames.h"

#include <cstdint>
#include <string_view>

#include "Helpers/AddressText.h"
#include "Helpers/FormLookup.h"
#include "RE/GameString.h"
#include "RE/TESFullName.h"
#include "Settings/Logging.h"

std::string GetTESFullNameNative(const RE::TESForm* theForm)
{
	if (!theForm) {
		LOG_ERROR("theForm is nullptr");
		return {};
	}
	const char* name = theForm->GetFullName();
	return name ? std::string(name) : std::string();
}

std::string GetTESFullName(const RE::TESForm* theForm)
{
	if (!theForm) {
		LOG_ERROR("theForm is nullptr");
		return {};
	}
	if (const auto* fullName = RE::TESFullName::From(theForm)) {
		if (const char* name = fullName->GetFullName(); name && *name) {
			return name;
		}
	}
	return GetTESFullNameNative(theForm);
}

std::string GetReferenceName(const RE::TESObjectREFR* theRef)
{
	if (!theRef) {
		LOG_ERROR("theRef is nullptr");
		return {};
	}
	if (const auto* extraData = theRef->GetExtraDataList()) {
		// The lock is held only for the search; the text is read after it.
		const std::string_view displayName = RE::GameString::text_of(extraData->GetDisplayNameEntry());
		if (!displayName.empty()) {
			return std::string(displayName);
		}
	}
	return GetTESFullName(theRef->GetBaseObject());
}

std::string GetFormDescription(const RE::TESForm* theForm, bool a_includeType, bool a_includeName)
{
	if (!theForm) {
		return "!!! ERROR: nullptr form !!!";
	}
	std::string description = "[";
	description += GetAddressAsHex(reinterpret_cast<std::uintptr_t>(theForm), false);
	description += " | ";
	description += GetFormIDAsHex(theForm->GetFormID());
	if (a_includeType) {
		description += " | ";
		description += std::to_string(theForm->GetFormType());
	}
	if (a_includeName) {
		const auto* reference = static_cast<const RE::TESObjectREFR*>(theForm);
		auto name = GetReferenceName(reference);
		if (name.empty()) {
			name = GetTESFullNameNative(reference->GetBaseObject());
		}
		description += name.empty() ? std::string(" | {unnamed}") : " | " + name;
	}
	description += "]";
	return description;
}
