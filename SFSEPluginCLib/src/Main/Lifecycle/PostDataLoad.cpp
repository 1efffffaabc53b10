#include "Lifecycle/PostDataLoad.h"

#include <exception>

#include "Dialogue/PassengerIdleChatterFix.h"
#include "Helpers/AddressText.h"
#include "Helpers/MenuQueries.h"
#include "Lifecycle/EventSinks.h"
#include "Lifecycle/IniFileThread.h"
#include "Lifecycle/InitializeGameData.h"
#include "Lifecycle/Reloads.h"
#include "Lifecycle/VisibilityHook.h"
#include "RE/IDs.h"
#include "REL/ID.h"
#include "SFSE/API.h"
#include "SFSE/Trampoline.h"
#include "Settings/Logging.h"
#include "Settings/ProfileDump.h"
#include "State/MenuState.h"
#include "State/RuntimeWork.h"

namespace
{
	constexpr std::size_t kTrampolineSize = 512;

	// The host's branch pool when it grants one; our own memory near the
	// game's code otherwise.
	void PrepareTrampoline()
	{
		auto& trampoline = SFSE::DefaultTrampoline();
		if (const auto* host = SFSE::GetTrampolineInterface()) {
			if (void* memory = host->AllocateFromBranchPool(kTrampolineSize)) {
				trampoline.take_block(memory, kTrampolineSize, {});
				return;
			}
		}
		trampoline.create(kTrampolineSize);
	}

	std::uintptr_t DialogueCallSite(std::ptrdiff_t a_displacement)
	{
		return REL::Relocation<std::byte*>(RE::IDs::DialogueCallSites::Function, a_displacement).address();
	}

	// The trampoline, the dialogue hooks, the virtual-table hook and the
	// sinks go in once per process: a second message must neither take our
	// own hooks for the game's functions nor register the sinks twice.
	bool bHooksInstalled = false;
}

void HandleOnPostDataLoad(SFSE::MessagingInterface::Message* a_message)
{
	// The host is C code: nothing may unwind into it.
	try {
		if (!a_message || a_message->type != SFSE::MessagingInterface::kPostDataLoad) {
			return;
		}
		LOG_INFO("kPostDataLoad");

		// Another message's hook may run on the game's threads already: the
		// profiles are read aside and put in force in one step. The game is
		// still loading: this read may stay on the host's thread.
		auto reload = ReadProfilesAndSettings(ReloadKind::kInstallation);
		const auto stamps = reload.stamps;
		RunOnRuntime([reload = std::move(reload)]() mutable {
			InstallIfNewer(reload);
			DumpAllProfiles();
		});

		const bool bFirstInstallation = !bHooksInstalled;
		bHooksInstalled = true;
		if (bFirstInstallation) {
			// The hook learns of videos and the credits from menu events,
			// whose sink comes last: until then, from the game.
			AskGameWhichMenusAreOpen(GetUIToAsk());
			InstallVisibilityHook();
		}
		InitializeGameData();

		if (bFirstInstallation) {
			PrepareTrampoline();
			using PassengerIdleChatterFix::PassengerIdleChatterFunc;
			auto& trampoline = SFSE::DefaultTrampoline();
			const auto first = DialogueCallSite(RE::IDs::DialogueCallSites::FirstCall);
			if (PassengerIdleChatterFunc::InstallSayDialogue01(trampoline, first)) {
				LOG_INFO("successfully patched SayDialogue01 at ", GetAddressAsHex(first, true));
			}
			const auto second = DialogueCallSite(RE::IDs::DialogueCallSites::SecondCall);
			if (PassengerIdleChatterFunc::InstallSayDialogue02(trampoline, second)) {
				LOG_INFO("successfully patched SayDialogue02 at ", GetAddressAsHex(second, true));
			}
			RegisterEventSinks();
		}
		LOG_INFO("Installation complete");
		if (bFirstInstallation) {
			StartIniFileThread(stamps);
		}
	} catch (const std::exception& e) {
		LOG_WITHOUT_THROWING(LOG_ERROR, "can't install | ", e.what());
	} catch (...) {
		LOG_WITHOUT_THROWING(LOG_ERROR, "can't install | unknown error");
	}
}
