#include "Settings/DefaultIni.h"

#include <string>

#include "Settings/IniFile.h"
#include "Settings/Logging.h"
#include "Settings/ProfileFields.h"
#include "Settings/SectionNames.h"

namespace
{
	struct GlobalDefault
	{
		const char* sKey;
		const char* sValue;
	};

	// After the "Default" profile: logging off, backups on.
	constexpr GlobalDefault GlobalDefaults[] = {
		{ "bLogging", "0" },
		{ "bCreateVanillaINIBackup", "1" },
	};
}

void CreateDefaultIni()
{
	// The caller has just found no file; should one have appeared since, or
	// should its state be unknown, the user's settings come first.
	const auto path = GetIniPath(VanillaIniName, "");
	if (const auto query = QueryPath(path); query.kind != PathKind::kMissing) {
		LOG_ERROR("could not create default INI [", path, "] | ", query.kind == PathKind::kUnknown ? "error " + std::to_string(query.error) : std::string("it exists"));
		return;
	}
	// Write order decides the file's order of sections and keys. A key that
	// can't be written stays absent; the reader then keeps the built-in value.
	for (const auto& field : ProfileFields) {
		if (field.bAddedByPlayer) {
			continue;
		}
		WriteIniValue(std::string(VanillaIniName), "Default", std::string(field.sKey), std::string(field.sDefaultText), "");
	}
	for (const auto& entry : GlobalDefaults) {
		WriteIniValue(std::string(VanillaIniName), std::string(GlobalSectionName), entry.sKey, entry.sValue, "");
	}
}
