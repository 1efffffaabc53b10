#include "Lifecycle/ReloadInForce.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include <windows.h>

#include "Lifecycle/InitializeGameData.h"
#include "Lifecycle/SaveLoadEvent.h"
#include "Lifecycle/WholeFileRead.h"
#include "Runtime/ApplyProfile.h"
#include "Runtime/ForcedProfileReload.h"
#include "Settings/ProfileDump.h"
#include "Settings/Profiles.h"
#include "State/ReloadRequests.h"
#include "State/RuntimeWork.h"

// Signalled by the work handed to a game thread.
struct ReloadWorkDone
{
	HANDLE event{ nullptr };
	bool bInstalled{ false };
	// The set a reload replaced, handed back to be freed by the INI thread:
	// freeing hundreds of profiles is no work for a game thread.
	LoadedSettings replaced;
	~ReloadWorkDone()
	{
		if (event) {
			::CloseHandle(event);
		}
	}
};

ReloadInForce::ReloadInForce(void* a_stop) :
	_stop(a_stop),
	_done(std::make_shared<ReloadWorkDone>())
{
	_done->event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

ReloadInForce::~ReloadInForce() = default;

bool ReloadInForce::IsReady() const noexcept
{
	return _done->event != nullptr;
}

// Hands a_work to the game thread that next takes the runtime's lock and
// waits until it has run; false when asked to stop first.
template <class Work>
bool ReloadInForce::RunOnGameThread(Work a_work)
{
	::ResetEvent(_done->event);
	PostRuntimeWork(MakeRuntimeWork([work = std::move(a_work), done = _done]() mutable {
		// A game call that fails in the work ends the work, not the reload:
		// what was put in force stays, and the INI thread goes on.
		try {
			work(*done);
		} catch (...) {
		}
		::SetEvent(done->event);
	}));
	const std::array<HANDLE, 2> handles{ static_cast<HANDLE>(_stop), _done->event };
	return ::WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
}

// Without logging the dump writes nothing, and the profile is applied in the
// same work: frames never see the new profile before its settings. With
// logging on they may, for as long as the dump takes.
bool ReloadInForce::PutInForce(SettingsReload a_reload, std::uint32_t a_requests)
{
	const bool bCredits = (a_requests & kReloadForCredits) != 0;
	const bool bReapply = (a_requests & (kReloadForSaveLoad | kReloadForFileChange)) != 0;
	const bool bDump = (bCredits || bReapply) && a_reload.settings.globals.bLogging;
	const std::string_view caller = (a_requests & kReloadForSaveLoad) ? "HandleSaveLoadEvent" : IniThreadLogName;
	// The dump is written here, from a copy: the set itself goes to the
	// runtime.
	std::vector<Profile> dumped;
	std::vector<ProfileView> dumpedViews;
	if (bDump) {
		dumped = a_reload.settings.profiles;
		dumpedViews = a_reload.settings.views;
	}
	const bool bRan = RunOnGameThread([reload = std::move(a_reload), a_requests, bCredits, bReapply, bDump, caller](ReloadWorkDone& a_done) mutable {
		a_done.bInstalled = InstallIfNewer(reload);
		a_done.replaced = std::move(reload.settings);
		if (a_done.bInstalled && bCredits) {
			InitializeGameData(CaptureGameData());
		}
		if (a_done.bInstalled && bReapply) {
			FindCurrentProfileAgain(caller);
			if (!bDump) {
				ApplyProfile(CurrentProfile);
			}
		}
		if (a_requests & kReloadForNoProfile) {
			FinishForcedProfileReload();
		}
	});
	if (!bRan) {
		return false;
	}
	_done->replaced = {};
	if (!_done->bInstalled) {
		return false;
	}
	if (bDump) {
		DumpAllProfiles(dumped, dumpedViews);
		if (bReapply) {
			RunOnGameThread([](ReloadWorkDone&) { ApplyProfile(CurrentProfile); });
		}
	}
	return true;
}
