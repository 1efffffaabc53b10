#include "DefaultIni.h"

#include <string>

#include "IniFile.h"
#include "Logging.h"

namespace
{
	struct DefaultKey
	{
		const char* section;
		const char* key;
		const char* value;
	};

	// Write order decides the file's order of sections and keys.
	constexpr DefaultKey DefaultKeys[] = {
		{ "Default", "iShowTimeEffectHotkey", "0x20" },
		{ "Default", "iRearViewHotkey", "0x51" },
		{ "Default", "fPlayerFirstPersonCameraOffsetMinX", "-0.58" },
		{ "Default", "fPlayerFirstPersonCameraOffsetMaxY", "-2.0" },
		{ "Default", "fPlayerFirstPersonCameraOffsetMaxZ", "0.55" },
		{ "Default", "fPlayerFirstPersonCameraOffsetMaxX", "0.0" },
		{ "Default", "fPlayerFirstPersonCameraOffsetMinY", "0.0" },
		{ "Default", "fPlayerFirstPersonCameraOffsetMinZ", "0.0" },
		{ "Default", "fPlayerFirstPersonCameraPanoramicAngleUp", "90.0" },
		{ "Default", "fPlayerFirstPersonCameraPanoramicAngleDown", "70.0" },
		{ "Default", "fPlayerFirstPersonCameraPanoramicAngleLeftRight", "90.0" },
		{ "Default", "fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode", "100.0" },
		{ "Default", "bSmartAim", "1" },
		{ "Default", "bRearView", "1" },
		{ "Default", "bExitAnywhere", "1" },
		{ "Default", "bCompanionChatter", "1" },
		{ "Default", "bCompanionChatterAllowInThirdPerson", "1" },
		{ "Default", "iCompanionChatterHotkey", "0xA0" },
		{ "Global", "bLogging", "0" },
		{ "Global", "bCreateVanillaINIBackup", "1" },
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
	// A key that can't be written stays absent; the reader then keeps the
	// built-in value.
	for (const auto& entry : DefaultKeys) {
		WriteIniValue(std::string(VanillaIniName), entry.section, entry.key, entry.value, "");
	}
}
