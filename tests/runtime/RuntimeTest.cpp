#include "RuntimeTest.h"

#include <windows.h>

#include "Runtime/ForcedProfileReload.h"
#include "Runtime/Update3DVFuncStruct.h"
#include "Settings/Logging.h"
#include "Settings/Profiles.h"
#include "State/GameData.h"
#include "sim/functions/VTables.h"
#include "sim/platform/Keys.h"

namespace test
{
	namespace
	{
		constexpr std::int64_t kStart = 100'000'000'000;  // 100 s after the clock's start

		void ForgetPluginState()
		{
			Profiles.clear();
			CurrentProfile = Profile{};
			RearViewState = 0;
			CompanionChatterClock = 0;
			ForcedProfileReload = ForcedProfileReloadState{};
			PlayerRef = nullptr;
			UIRef = nullptr;
			FormSFBGS004_017 = nullptr;
			Form23C01 = nullptr;
			Form3BD86 = nullptr;
		}
	}

	RuntimeTest::RuntimeTest() :
		clock((world.reset(), ::GetModuleHandleW(nullptr)))
	{
		sim::redirect_keys(::GetModuleHandleW(nullptr));
		world.time.iSteadyNanoseconds = kStart;
		ForgetPluginState();
		bLogging = true;

		vehicleForm = &world.forms.add_form(0x02000017);
		form23C01 = &world.forms.add_form(0x00023C01);
		form3BD86 = &world.forms.add_form(0x0003BD86);
		PlayerRef = reinterpret_cast<RE::Actor*>(&world.references.player);
		UIRef = reinterpret_cast<RE::UI*>(&world.menus.ui);
		FormSFBGS004_017 = reinterpret_cast<RE::TESForm*>(vehicleForm);
		Form23C01 = reinterpret_cast<RE::TESForm*>(form23C01);
		Form3BD86 = reinterpret_cast<RE::TESForm*>(form3BD86);

		// The settings the rear view writes, at a value no profile uses.
		for (const auto* name : { "fVehicleDriverHeadTranslationMinX:Vehicle", "fVehicleDriverHeadTranslationMaxY:Vehicle",
				 "fVehicleCameraFirstPersonMaxAbsYaw" }) {
			if (auto* setting = world.settings.find(name)) {
				setting->value = 55.0f;
			} else {
				world.settings.add(name, 55.0f);
			}
		}
	}

	RuntimeTest::~RuntimeTest()
	{
		ForgetPluginState();
		bLogging = true;
		world.reset();
	}

	Profile RuntimeTest::MakeProfile(std::string_view a_name, std::string_view a_yaw)
	{
		Profile profile;
		profile.sProfileName = a_name;
		profile.sPlayerFirstPersonCameraOffsetMinX = "-0.580000";
		profile.sPlayerFirstPersonCameraOffsetMaxY = "-2.000000";
		profile.sPlayerFirstPersonCameraPanoramicAngleLeftRight = a_yaw;
		return profile;
	}

	sim::game::TESObjectREFR& RuntimeTest::AddVehicle(std::string_view a_name, sim::game::TESForm* a_base)
	{
		auto& vehicle = world.references.references.emplace_back();
		vehicle.form.vtable = sim::form_vtable();
		vehicle.form.formID = 0xFF000100 + static_cast<std::uint32_t>(world.references.references.size());
		vehicle.baseObject = a_base ? a_base : vehicleForm;
		vehicle.parentCell = &world.references.exterior;
		if (!a_name.empty()) {
			auto& display = _displayNames.emplace_back();
			display.displayName.entry = world.strings.intern(a_name);
			auto& list = _extraLists.emplace_back();
			list.displayName = &display;
			vehicle.extraList = &list;
		}
		return vehicle;
	}

	void RuntimeTest::Drive(sim::game::TESObjectREFR& a_vehicle)
	{
		world.references.player.vehicle = &a_vehicle;
		world.references.player.fInVehicle = 1.0f;
	}

	sim::game::Actor& RuntimeTest::AddPassenger(std::uint32_t a_formID)
	{
		auto& actor = world.references.add_actor(a_formID);
		actor.checkForms = { form23C01 };
		actor.fInVehicle = 1.0f;
		actor.bPassenger = true;
		world.references.add_handle(&actor.ref);
		return actor;
	}

	float RuntimeTest::SettingValue(std::string_view a_name)
	{
		const auto* setting = world.settings.find(a_name);
		return setting ? setting->value : -12345.0f;
	}

	std::vector<std::string> RuntimeTest::LinesOf(std::string_view a_function) const
	{
		std::string prefix;
		prefix.append("[").append(a_function).append("] ");
		std::vector<std::string> lines;
		for (const auto& message : log.messages()) {
			if (message.starts_with(prefix)) {
				lines.push_back(message.substr(prefix.size()));
			}
		}
		return lines;
	}
}
