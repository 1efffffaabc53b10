#include "sim/Verbs.h"

#include <string>

#include "sim/code/Code.h"
#include "sim/events/Events.h"

namespace sim
{
	namespace
	{
		std::uint8_t ask(game::NiNode& a_node)
		{
			// Through a volatile read of the slot: the call must use the
			// table as it is now, hooked or not.
			const code::UpdateVisibility volatile update =
				reinterpret_cast<code::UpdateVisibility>(a_node.vtable[code::kFadeNodeVisibilitySlot]);
			a_node.lastResult = update(&a_node, a_node.visibilityState);
			return a_node.lastResult;
		}

		std::size_t menu_event(std::string_view a_name, bool a_opening)
		{
			auto& menus = world().menus;
			if (a_opening) {
				menus.open.insert(std::string(a_name));
			} else {
				menus.open.erase(std::string(a_name));
			}
			const game::MenuOpenCloseEvent event{ { world().strings.intern(a_name) }, static_cast<std::uint8_t>(a_opening) };
			return deliver(menus.ui.menuOpenCloseSource, &event);
		}

		std::size_t save_load_event(bool a_loading)
		{
			const game::SaveLoadEvent event{ static_cast<std::uint8_t>(a_loading) };
			return deliver(world().events.saveLoad, &event);
		}
	}

	std::uint8_t evaluate_fade_node(game::NiNode& a_node)
	{
		return ask(a_node);
	}

	std::uint8_t run_frame()
	{
		auto& scene = world().scene;
		const auto result = ask(scene.playerRoot);
		for (auto& node : scene.fadeNodes) {
			ask(node);
		}
		return result;
	}

	game::TESTopicInfo* pick_first_idle_line(const IdleLine& a_line)
	{
		const code::FirstLine volatile routine = code::first_line_routine();
		return routine(1, 2, 3, a_line.akSpeaker, a_line.akTarget, 6, 7, 8, 9);
	}

	std::uint64_t pick_second_idle_line(const IdleLine& a_line)
	{
		const code::SecondLine volatile routine = code::second_line_routine();
		return routine(1, a_line.akSpeaker, 3, 4, 5, a_line.akTarget, 7, &world().dialogue.topicInfo, 9);
	}

	namespace
	{
		std::uint64_t narrow(std::int32_t a_value, std::uint64_t a_upper)
		{
			return (a_upper & 0xFFFFFFFF00000000) | static_cast<std::uint32_t>(a_value);
		}

		std::uint64_t bits(const void* a_pointer) { return reinterpret_cast<std::uintptr_t>(a_pointer); }
	}

	code::DialogueRun say_first_idle_line(const IdleLineArgs& a_args)
	{
		const std::uint64_t args[9]{ a_args.a1, narrow(a_args.a2, a_args.upperBytes), narrow(a_args.a3, a_args.upperBytes),
			bits(a_args.akSpeaker), bits(a_args.akTarget), a_args.a6, a_args.a7, a_args.a8, a_args.a9 };
		return code::run_dialogue_function(1, args);
	}

	code::DialogueRun say_second_idle_line(const IdleLineArgs& a_args)
	{
		const std::uint64_t args[9]{ a_args.a1, bits(a_args.akSpeaker), narrow(a_args.a2, a_args.upperBytes),
			narrow(a_args.a3, a_args.upperBytes), a_args.a5, bits(a_args.akTarget),
			(a_args.upperBytes & ~std::uint64_t{ 0xFF }) | static_cast<std::uint8_t>(a_args.c7), a_args.a8, a_args.a9 };
		return code::run_dialogue_function(2, args);
	}

	std::size_t save_game() { return save_load_event(false); }
	std::size_t load_game() { return save_load_event(true); }
	std::size_t open_menu(std::string_view a_name) { return menu_event(a_name, true); }
	std::size_t close_menu(std::string_view a_name) { return menu_event(a_name, false); }
}
