#include "sim/Drive.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <windows.h>

#include "sim/Verbs.h"
#include "sim/code/Code.h"
#include "sim/world/World.h"

namespace sim
{
	namespace
	{
		constexpr std::int64_t kMillisecond = 1'000'000;
		constexpr int kRearViewKey = 0x51;  // Q, the default
		constexpr int kSlowTimeKey = 0x20;  // space
		constexpr int kChatterKey = 0xA0;   // left Shift
		constexpr int kViewKey = 0x56;      // V, the scenario's view key
		constexpr std::size_t kExitAnywhereLength = 7;

		// What the timeline compares between steps.
		struct Snapshot
		{
			std::map<std::string, float> settings;
			float fTimeMultiplier{};
			std::vector<std::uint8_t> exitAnywhere;
			std::size_t iDialogues{};
		};

		Snapshot take_snapshot()
		{
			auto& world = sim::world();
			Snapshot snapshot;
			for (const auto& setting : world.settings.settings) {
				snapshot.settings[setting.name] = setting.value;
			}
			snapshot.fTimeMultiplier = world.time.fCurrentTimeMultiplier;
			const auto* site = sim_ExitAnywhereFunction + code::kExitAnywhereSite;
			snapshot.exitAnywhere.resize(kExitAnywhereLength);
			std::memcpy(snapshot.exitAnywhere.data(), site, kExitAnywhereLength);
			snapshot.iDialogues = world.calls.of("InitiateDialogue").size();
			return snapshot;
		}

		std::string hex(const std::vector<std::uint8_t>& a_bytes)
		{
			std::string text;
			char byte[4];
			for (const auto value : a_bytes) {
				std::snprintf(byte, sizeof(byte), "%s%02X", text.empty() ? "" : " ", value);
				text += byte;
			}
			return text;
		}

		void print_changes(const Snapshot& a_before, const Snapshot& a_after)
		{
			for (const auto& [name, value] : a_after.settings) {
				const auto before = a_before.settings.find(name);
				if (before == a_before.settings.end() || before->second != value) {
					std::printf("      game | setting %s: %g -> %g\n", name.c_str(),
						before == a_before.settings.end() ? 0.0 : static_cast<double>(before->second), static_cast<double>(value));
				}
			}
			if (a_before.fTimeMultiplier != a_after.fTimeMultiplier) {
				std::printf("      game | time multiplier: %g -> %g\n", static_cast<double>(a_before.fTimeMultiplier),
					static_cast<double>(a_after.fTimeMultiplier));
			}
			if (a_before.exitAnywhere != a_after.exitAnywhere) {
				std::printf("      game | Exit Anywhere bytes: %s -> %s\n", hex(a_before.exitAnywhere).c_str(), hex(a_after.exitAnywhere).c_str());
			}
			if (a_after.iDialogues > a_before.iDialogues) {
				std::printf("      game | dialogue started with the player (%zu)\n", a_after.iDialogues - a_before.iDialogues);
			}
		}

		// "<level>: <message>" of a log line "[time] [logger] [level]
		// [file:line] message"; a line of another shape as it is.
		std::string readable(const std::string& a_line)
		{
			std::size_t at = 0;
			std::string fields[4];
			for (auto& field : fields) {
				if (at >= a_line.size() || a_line[at] != '[') {
					return a_line;
				}
				const auto end = a_line.find("] ", at);
				if (end == std::string::npos) {
					return a_line;
				}
				field = a_line.substr(at + 1, end - at - 1);
				at = end + 2;
			}
			return fields[2] + ": " + a_line.substr(at);
		}

		// The plugin's log lines written since the last call.
		class LogFollower
		{
		public:
			explicit LogFollower(std::filesystem::path a_path) :
				_path(std::move(a_path)) {}

			// A line still being written (no line end yet) waits for the
			// next call. The lines of frames the game ran while the plugin
			// finished its work (see keep_running) are folded into one.
			void print_new_lines()
			{
				std::size_t chatter = 0;
				for_each_line(_printed, [&](const std::string& a_text) {
					if (_framesMeanwhile > 0 && is_frame_chatter(a_text)) {
						++chatter;
					} else if (!folded(a_text)) {
						std::printf("      log  | %s\n", a_text.c_str());
					}
				});
				if (_framesMeanwhile > 0) {
					std::printf("      log  | (the game ran %zu frames meanwhile: their %zu lines folded)\n", _framesMeanwhile, chatter);
				}
				_framesMeanwhile = 0;
			}

			// The game goes on while the plugin finishes an event's work on
			// its own thread: frames run, the game's clock standing still,
			// until a_started says the work has begun and then the plugin's
			// other lines have kept still for 300 ms (at most 5 s).
			void keep_running(const std::function<bool()>& a_started = [] { return true; })
			{
				while (!a_started()) {
					run_frame();
					++_framesMeanwhile;
					::Sleep(16);
				}
				const auto start = ::GetTickCount64();
				auto changed = start;
				auto lines = count_other_lines();
				while (::GetTickCount64() - changed < 300 && ::GetTickCount64() - start < 5'000) {
					run_frame();
					++_framesMeanwhile;
					::Sleep(16);
					if (const auto now = count_other_lines(); now != lines) {
						lines = now;
						changed = ::GetTickCount64();
					}
				}
			}

		private:
			// Each whole line from a_from on, readable; a_from becomes the
			// count of whole lines.
			template <class Each>
			void for_each_line(std::size_t& a_from, const Each& a_each) const
			{
				std::ifstream file(_path, std::ios::binary);
				std::string line;
				std::size_t index = 0;
				while (std::getline(file, line) && !file.eof()) {
					if (index++ < a_from) {
						continue;
					}
					if (!line.empty() && line.back() == '\r') {
						line.pop_back();
					}
					a_each(readable(line));
				}
				a_from = std::max(a_from, index);
			}

			// What every frame writes again, whatever happens.
			static bool is_frame_chatter(const std::string& a_text)
			{
				for (const char* chatter : { ": [GetDesiredVisibilityState] ", ": [UpdateCurrentProfile] not necessary to update", ": [EvaluateRearView] Rear View is inactive" }) {
					if (a_text.find(chatter) != std::string::npos) {
						return true;
					}
				}
				return false;
			}

			std::size_t count_other_lines()
			{
				for_each_line(_counted, [&](const std::string& a_text) { _others += !is_frame_chatter(a_text); });
				return _others;
			}

			// The profile dump, from its BEGIN line to its END line: the
			// first shown in full, each later one as a single line at its
			// end. Lines of others between them are shown.
			bool folded(const std::string& a_text)
			{
				const auto message = a_text.substr(std::min(a_text.find(": "), a_text.size()));
				const bool marker = message.starts_with(": [DumpAllProfiles] ");
				if (marker && message.find("- BEGIN -") != std::string::npos) {
					++_dumps;
					_dumpLines = 0;
				}
				if ((!marker && !message.starts_with(": [DumpProfileInfo] ")) || _dumps < 2) {
					return false;
				}
				++_dumpLines;
				if (marker && message.find("- END -") != std::string::npos) {
					std::printf("      log  | [DumpAllProfiles] the profiles dumped again: %zu lines, folded (the log file has them)\n", _dumpLines);
				}
				return true;
			}

			std::filesystem::path _path;
			std::size_t _printed{ 0 };
			std::size_t _counted{ 0 };
			std::size_t _others{ 0 };
			std::size_t _framesMeanwhile{ 0 };
			std::size_t _dumps{ 0 };
			std::size_t _dumpLines{ 0 };
		};

		// The world the drive needs beside the game's start: the vehicle's
		// data file and form, the companion forms, a named vehicle and a
		// companion who rides along.
		struct Cast
		{
			game::TESObjectREFR* vehicle{ nullptr };
			game::Actor* companion{ nullptr };
		};

		Cast set_the_scene()
		{
			auto& world = sim::world();
			world.forms.add_full("SFBGS004.esm", 0x02);
			auto& vehicleForm = world.forms.add_form(0x02000017);
			auto& companionForm = world.forms.add_form(0x00023C01);
			world.forms.add_form(0x0003BD86);
			world.references.player.ref.baseObject = &world.forms.add_base(0x00000007, "Player");

			Cast cast;
			cast.vehicle = &world.references.add_reference(0xFF000101, 0, &vehicleForm);
			world.references.set_display_name(*cast.vehicle, world.strings.intern("REV-8"));
			cast.companion = &world.references.add_actor(world.forms, "Sarah Morgan", 0x00005791);
			cast.companion->checkForms = { &companionForm };
			cast.companion->bPassenger = true;
			world.references.add_handle(&cast.companion->ref);
			world.references.set_display_name(cast.companion->ref, world.strings.intern("Sarah Morgan"));
			world.scene.add_fade_node(1);
			world.time.iSteadyNanoseconds = 100'000 * kMillisecond;
			return cast;
		}

		void frame()
		{
			const auto state = run_frame();
			std::printf("      game | frame: the player's node gets state %u\n", state);
		}

		// A player tunes the vehicle's camera in TarmacorCustom.ini while the
		// game runs: one key of the section set, as an editor would, then
		// frames until the game's setting has followed (the plugin reloads on
		// its own thread) and its lines are written. No save, no load.
		void edit_custom_ini(LogFollower& a_log, const char* a_section, const char* a_key, const char* a_value, const char* a_setting)
		{
			const auto* setting = sim::world().settings.find(a_setting);
			const float before = setting ? setting->value : 0.0f;
			::WritePrivateProfileStringA(a_section, a_key, a_value, ".\\Data\\SFSE\\Plugins\\TarmacorCustom.ini");
			std::printf("      game | TarmacorCustom.ini saved with [%s] %s=%s\n", a_section, a_key, a_value);
			const auto start = ::GetTickCount64();
			a_log.keep_running([&] { return !setting || setting->value != before || ::GetTickCount64() - start > 3'000; });
			std::printf("      game | %llu ms later\n", static_cast<unsigned long long>(::GetTickCount64() - start));
		}
	}

	void drive(const DriveOptions& a_options)
	{
		auto& world = sim::world();
		const Cast cast = set_the_scene();
		LogFollower log(a_options.log);
		Snapshot last = take_snapshot();
		unsigned number = 0;
		const auto step = [&](const char* a_title, const std::function<void()>& a_action) {
			std::printf("[drive] %2u. %s\n", ++number, a_title);
			a_action();
			const auto now = take_snapshot();
			print_changes(last, now);
			log.print_new_lines();
			last = now;
		};
		const auto hold = [&](int a_key, bool a_down) { world.input.bKeyDown[static_cast<std::size_t>(a_key)] = a_down; };
		const auto later = [&](std::int64_t a_milliseconds) { world.time.iSteadyNanoseconds += a_milliseconds * kMillisecond; };

		step("data loaded: the post-data-load message", [&] {
			std::printf("      game | delivered to %zu listener(s)\n", a_options.loadData());
		});
		step("the player enters the REV-8, first-person view, Sarah riding along", [&] {
			world.references.player.vehicle = cast.vehicle;
			world.references.player.fInVehicle = 1.0f;
			cast.companion->fInVehicle = 1.0f;
			world.camera.vehicleState.vehicleViewMode = 1;
			world.scene.playerRoot.visibilityState = 1;
			later(16);
			frame();
		});
		step("rear view held (Q): a yaw limit of -180 is none to the game, so the driver can look all the way back", [&] {
			hold(kRearViewKey, true);
			later(16);
			frame();
		});
		step("rear view released: a yaw limit of 0 for one frame turns the camera forward, then the profile's again", [&] {
			hold(kRearViewKey, false);
			later(16);
			frame();
		});
		step("slow time held (space)", [&] {
			hold(kSlowTimeKey, true);
			later(16);
			frame();
		});
		step("slow time released", [&] {
			hold(kSlowTimeKey, false);
			later(16);
			frame();
		});
		const auto press = [&](int a_key) {
			hold(a_key, true);
			later(16);
			frame();
			hold(a_key, false);
			later(16);
			frame();
		};
		step("the view key (V) pressed: the REV-8's first view, far", [&] { press(kViewKey); });
		step("pressed again: its view wide", [&] { press(kViewKey); });
		step("pressed a third time: the REV-8's own camera again", [&] { press(kViewKey); });
		step("TarmacorCustom.ini edited while driving: the REV-8's yaw limit to 100", [&] {
			edit_custom_ini(log, "REV-8", "fPlayerFirstPersonCameraPanoramicAngleLeftRight", "100", "fVehicleCameraFirstPersonMaxAbsYaw");
		});
		step("the chatter hotkey (left Shift), 2 s later", [&] {
			later(2'000);
			hold(kChatterKey, true);
			frame();
			hold(kChatterKey, false);
		});
		step("Sarah, talking now, is offered an idle line", [&] {
			cast.companion->bTalking = true;
			const auto* line = pick_first_idle_line({ &cast.companion->ref, &world.references.player.ref });
			std::printf("      game | idle line %s\n", line ? "spoken" : "blocked");
			cast.companion->bTalking = false;
		});
		step("a save, 3.001 s after the last", [&] {
			later(3'001);
			std::printf("      game | save event to %zu sink(s)\n", save_game());
			log.keep_running();
		});
		step("a load, 2.5 s after the save: the plugin refuses to reload within 3001 ms of the last save or load", [&] {
			later(2'500);
			std::printf("      game | load event to %zu sink(s)\n", load_game());
			log.keep_running();
		});
		step("the player leaves the vehicle", [&] {
			world.references.player.vehicle = nullptr;
			world.references.player.fInVehicle = 0.0f;
			cast.companion->fInVehicle = 0.0f;
			world.camera.vehicleState.vehicleViewMode = 0;
			later(16);
			frame();
		});
		step("the end credits open and close", [&] {
			std::printf("      game | EndGameCreditsMenu opens: %zu sink(s)\n", open_menu("EndGameCreditsMenu"));
			std::printf("      game | EndGameCreditsMenu closes: %zu sink(s)\n", close_menu("EndGameCreditsMenu"));
			log.keep_running();
		});
	}
}
