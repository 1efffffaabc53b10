#include "Helpers/FormLookup.h"

#include <cctype>
#include <stdexcept>
#include <string_view>

#include <fmt/format.h>

#include "RE/DataHandler.h"
#include "Settings/Logging.h"

namespace
{
	std::string ToLower(std::string_view a_text)
	{
		std::string lower(a_text);
		for (auto& c : lower) {
			c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
		}
		return lower;
	}

	std::string_view PluginTypeText(std::int32_t a_pluginType)
	{
		switch (a_pluginType) {
		case kPluginTypeFull:
			return "Full";
		case kPluginTypeSmall:
			return "Small";
		case kPluginTypeMedium:
			return "Medium";
		default:
			return "";
		}
	}

	constexpr std::string_view kBaseGameFile = "Starfield.esm";
}

std::string GetFormIDAsHex(std::uint32_t a_formID)
{
	return fmt::format("{:08X}", a_formID);
}

RE::TESPackedFile* LookupTESFileByName(std::string a_pluginName, std::int32_t* a_pluginType)
{
	if (!a_pluginType) {
		LOG_ERROR("pluginType is nullptr");
		return nullptr;
	}
	const auto* dataHandler = RE::DataHandler::GetSingleton();
	if (!dataHandler) {
		LOG_ERROR("dataHandler is nullptr");
		return nullptr;
	}

	struct FileList
	{
		const RE::TESFileArray& files;
		std::string_view name;
		std::int32_t type;
	};
	const FileList lists[] = {
		{ dataHandler->FileA(), "FileA", kPluginTypeFull },
		{ dataHandler->SmallFileA(), "SmallFileA", kPluginTypeSmall },
		{ dataHandler->MediumFileA(), "MediumFileA", kPluginTypeMedium },
	};
	for (const auto& list : lists) {
		if (list.files.size() == 0) {
			LOG_WARNING("theFiles.size() (of ", list.name, ") <= 0, skipping this file array");
			continue;
		}
		for (std::uint32_t i = 0; i < list.files.size(); ++i) {
			auto* loopFile = list.files.at(i);
			if (!loopFile) {
				LOG_ERROR("loopFile at (", i, ") is nullptr, skipping plugin file");
				continue;
			}
			if (ToLower(loopFile->GetFileName()) == ToLower(a_pluginName)) {
				*a_pluginType = list.type;
				return loopFile;
			}
		}
	}
	LOG_ERROR("result --> [nullptr] | params: PluginName [", a_pluginName, "] | other data: no TESFile could be found with the specified name");
	return nullptr;
}

RE::TESForm* GetFormFromFile(std::string sHexFormIDNoPrefix, std::string a_pluginName)
{
	if (sHexFormIDNoPrefix.empty()) {
		LOG_ERROR("parameter sHexFormIDNoPrefix is empty. Returning nullptr.");
		return nullptr;
	}
	if (a_pluginName.empty()) {
		a_pluginName = kBaseGameFile;
	}
	const bool bIsBaseGameFile = a_pluginName == kBaseGameFile;

	const auto iLength = sHexFormIDNoPrefix.size();
	if (iLength < 6) {
		sHexFormIDNoPrefix.insert(0, 5 - iLength, '0');
	} else if (!bIsBaseGameFile && iLength > 6) {
		LOG_ERROR("this HexFormID's length > 6 [", sHexFormIDNoPrefix, "]. This is not supported format (length must be <= 6 if source plugin is not Starfield.esm). Returning nullptr.");
		return nullptr;
	} else if (bIsBaseGameFile && iLength > 8) {
		LOG_ERROR("this HexFormID's length > 8 [", sHexFormIDNoPrefix, "]. This is not supported format (length must be <= 8 if source plugin is Starfield.esm). Returning nullptr.");
		return nullptr;
	}

	std::int32_t iPluginType = kPluginTypeNone;
	const auto* pluginFile = LookupTESFileByName(a_pluginName, &iPluginType);
	if (!pluginFile) {
		LOG_ERROR("no PluginFile could be found with the name [", a_pluginName, "]. Returning nullptr.");
		return nullptr;
	}
	const auto sTypeText = PluginTypeText(iPluginType);

	std::uint32_t iValue = 0;
	try {
		iValue = static_cast<std::uint32_t>(std::stoul(sHexFormIDNoPrefix, nullptr, 16));
	} catch (const std::logic_error&) {
		LOG_ERROR("std::stoul exception thrown for input String: ", sHexFormIDNoPrefix, ". Returning nullptr.");
		return nullptr;
	}

	// The load slot goes into the top bits; the local value is added as it
	// is, so its high bits add into the slot's.
	std::uint32_t iFormID = static_cast<std::uint32_t>(pluginFile->GetCompileIndex()) << 24;
	if (iPluginType == kPluginTypeMedium) {
		iFormID += static_cast<std::uint32_t>(pluginFile->GetMediumCompileIndex()) << 16;
	} else {
		iFormID += static_cast<std::uint32_t>(pluginFile->GetSmallCompileIndex()) << 12;
	}
	iFormID += iValue;

	if (iFormID == 0) {
		LOG_ERROR("   FormID [", iFormID, " | ", GetFormIDAsHex(iFormID), "] supposedly defined in [", a_pluginName, " | Type: ", sTypeText, "] is out of range. Returning nullptr.");
		return nullptr;
	}
	if (auto* form = RE::TESForm::LookupByID(iFormID)) {
		return form;
	}
	LOG_WARNING("   this FormID [", iFormID, " | ", GetFormIDAsHex(iFormID), "] supposedly defined in [", a_pluginName, " | Type: ", sTypeText,
		"] is withing range but it does not point to a valid Form or this Form is an unloaded Reference. Returning nullptr.");
	return nullptr;
}
