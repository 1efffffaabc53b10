// The game's dialogue questions, its reference handles and its dialogue
// function, answering from the world and recording what reached them.
#include <algorithm>

#include "sim/code/DialogueFunction.h"
#include "sim/functions/Rows.h"
#include "sim/functions/Dialogue.h"
#include "sim/world/World.h"

extern "C"
{
	// The game's two idle-line functions behind the dialogue function's
	// calls; their assembler entries note the stack's alignment first.
	void* sim_IdleLine01(std::uint64_t a1, std::int32_t a2, std::int32_t a3, void* a_speaker, void* a_target, std::uint64_t a6,
		std::uint64_t a7, std::uint64_t a8, std::uint64_t a9)
	{
		auto& dialogue = sim::world().dialogue;
		dialogue.idleLines.push_back({ 1,
			{ a1, static_cast<std::uint64_t>(static_cast<std::int64_t>(a2)), static_cast<std::uint64_t>(static_cast<std::int64_t>(a3)),
				reinterpret_cast<std::uintptr_t>(a_speaker), reinterpret_cast<std::uintptr_t>(a_target), a6, a7, a8, a9 },
			sim_IdleLineEntryAlignment });
		return reinterpret_cast<void*>(dialogue.firstResult);
	}

	std::uint64_t sim_IdleLine02(std::uint64_t a1, void* a_speaker, std::int32_t a3, std::int32_t a4, std::uint64_t a5, void* a_target,
		char a7, void* a8, std::uint64_t a9)
	{
		auto& dialogue = sim::world().dialogue;
		dialogue.idleLines.push_back({ 2,
			{ a1, reinterpret_cast<std::uintptr_t>(a_speaker), static_cast<std::uint64_t>(static_cast<std::int64_t>(a3)),
				static_cast<std::uint64_t>(static_cast<std::int64_t>(a4)), a5, reinterpret_cast<std::uintptr_t>(a_target),
				static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<signed char>(a7))), reinterpret_cast<std::uintptr_t>(a8), a9 },
			sim_IdleLineEntryAlignment });
		return dialogue.secondResult;
	}
}

namespace sim
{
	namespace
	{
		std::uint32_t form_id_of(const void* a_ref)
		{
			return a_ref ? FormsArea::owner_of(a_ref)->id() : 0;
		}

		bool IsMenuOpen(const void* a_ui, void* const* a_menuName)
		{
			auto& dialogue = world().dialogue;
			const auto name = std::string(string_text(a_menuName ? static_cast<const StringEntry*>(*a_menuName) : nullptr));
			dialogue.menuQuestions.push_back(name);
			return a_ui == &dialogue.ui && dialogue.openMenus.contains(name);
		}

		std::uint64_t IsInScene(void*, std::uint32_t, const void* a_ref)
		{
			world().dialogue.sceneQuestions.push_back(form_id_of(a_ref));
			// Upper bytes set: only the low byte is the answer.
			return 0xAB00 | (a_ref && FormsArea::owner_of(a_ref)->inScene ? 1u : 0u);
		}

		std::uint64_t IsTalking(void*, std::uint32_t, const void* a_actor)
		{
			world().dialogue.talkingQuestions.push_back(form_id_of(a_actor));
			return 0xCD00 | (a_actor && FormsArea::owner_of(a_actor)->talking ? 1u : 0u);
		}

		std::uint64_t IsInDialogueWithPlayer(void* const* a_ref, std::uint64_t, std::uint64_t, std::uint32_t* a_result)
		{
			const void* ref = a_ref ? *a_ref : nullptr;
			world().dialogue.dialogueQuestions.push_back(form_id_of(ref));
			if (ref && a_result) {
				*a_result = FormsArea::owner_of(ref)->dialogueWithPlayer;
			}
			return 0x77;
		}

		bool LookupReferenceByHandle(const std::uint32_t* a_handle, void** a_out)
		{
			auto& dialogue = world().dialogue;
			dialogue.handleLookups.push_back(*a_handle);
			const auto it = dialogue.handles.find(*a_handle);
			if (it == dialogue.handles.end() || !it->second->loaded) {
				return false;
			}
			++it->second->references;
			*a_out = it->second->game();
			return true;
		}

		void ReleaseReference(const void* a_ref)
		{
			++world().dialogue.releases;
			--FormsArea::owner_of(a_ref)->references;
		}

		template <class F>
		std::uintptr_t address_of(F* a_function)
		{
			return reinterpret_cast<std::uintptr_t>(a_function);
		}
	}

	std::vector<GameItem> dialogue_items()
	{
		using namespace RE::IDs;
		return {
			{ UI::IsMenuOpen, address_of(&IsMenuOpen) },
			{ ObjectReferenceNative::IsInScene, address_of(&IsInScene) },
			{ ActorNative::IsTalking, address_of(&IsTalking) },
			{ ConsoleCommand::IsInDialogueWithPlayer, address_of(&IsInDialogueWithPlayer) },
			{ LookupREFRByHandleNative, address_of(&LookupReferenceByHandle) },
			{ TESObjectREFR::Release, address_of(&ReleaseReference) },
			{ DialogueCallSites::Function, reinterpret_cast<std::uintptr_t>(sim_DialogueFunction) },
		};
	}
}

namespace sim
{
	namespace
	{
		std::uint64_t widen(std::int32_t a_value, std::uint64_t a_upper)
		{
			return (a_upper & 0xFFFFFFFF00000000) | static_cast<std::uint32_t>(a_value);
		}

		std::uint64_t address(Form* a_form)
		{
			return a_form ? reinterpret_cast<std::uintptr_t>(a_form->game()) : 0;
		}

		IdleLineOutcome run(code::DialogueFrame& a_frame)
		{
			for (std::uint64_t i = 0; i < 8; ++i) {
				a_frame.gpCanary[i] = 0xC0DE000000000000 | (i << 8) | 0x5A;
			}
			for (std::uint64_t i = 0; i < 10; ++i) {
				a_frame.xmmCanary[i][0] = 0xF10A700000000000 | i;
				a_frame.xmmCanary[i][1] = 0x0DDBA11000000000 | (i << 4);
			}
			sim_RunDialogueFunction(&a_frame);
			IdleLineOutcome outcome;
			outcome.result = a_frame.result;
			outcome.stackKept = a_frame.rspBefore == a_frame.rspAfter;
			outcome.registersKept = std::equal(std::begin(a_frame.gpCanary), std::end(a_frame.gpCanary), std::begin(a_frame.gpAfter));
			for (int i = 0; i < 10; ++i) {
				outcome.registersKept = outcome.registersKept && a_frame.xmmCanary[i][0] == a_frame.xmmAfter[i][0] &&
				                        a_frame.xmmCanary[i][1] == a_frame.xmmAfter[i][1];
			}
			return outcome;
		}
	}

	IdleLineOutcome SayFirstIdleLine(const IdleLineArgs& a_args)
	{
		code::DialogueFrame frame{};
		frame.which = 1;
		frame.args[0] = a_args.a1;
		frame.args[1] = widen(a_args.a2, a_args.upperBytes);
		frame.args[2] = widen(a_args.a3, a_args.upperBytes);
		frame.args[3] = address(a_args.speaker);
		frame.args[4] = address(a_args.target);
		frame.args[5] = a_args.a6;
		frame.args[6] = a_args.a7;
		frame.args[7] = a_args.a8;
		frame.args[8] = a_args.a9;
		return run(frame);
	}

	IdleLineOutcome SaySecondIdleLine(const IdleLineArgs& a_args)
	{
		code::DialogueFrame frame{};
		frame.which = 2;
		frame.args[0] = a_args.a1;
		frame.args[1] = address(a_args.speaker);
		frame.args[2] = widen(a_args.a2, a_args.upperBytes);
		frame.args[3] = widen(a_args.a3, a_args.upperBytes);
		frame.args[4] = a_args.a5;
		frame.args[5] = address(a_args.target);
		frame.args[6] = (a_args.upperBytes & ~std::uint64_t{ 0xFF }) | static_cast<std::uint8_t>(a_args.c7);
		frame.args[7] = a_args.a8;
		frame.args[8] = a_args.a9;
		return run(frame);
	}
}
