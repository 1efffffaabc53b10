#include "Lifecycle/IniFileThread.h"

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include <windows.h>

#include "Lifecycle/FolderWatch.h"
#include "Lifecycle/InitializeGameData.h"
#include "Lifecycle/Reloads.h"
#include "Lifecycle/SaveLoadEvent.h"
#include "Runtime/ApplyProfile.h"
#include "Runtime/ForcedProfileReload.h"
#include "SFSE/Unicode.h"
#include "Settings/GlobalSettings.h"
#include "Settings/IniFile.h"
#include "Settings/Logging.h"
#include "Settings/ProfileDump.h"
#include "Settings/Profiles.h"
#include "State/ReloadRequests.h"
#include "State/RuntimeWork.h"
#include "State/SharedState.h"

namespace
{
	constexpr std::string_view kName = "WatchIniFiles";
	constexpr DWORD kLookEveryMs = 50;
	constexpr DWORD kRetryEveryMs = 100;

	// Signalled by the runtime work this thread hands to a game thread. Kept
	// by the work too: it may run after the thread has stopped.
	struct WorkDone
	{
		HANDLE event{ nullptr };
		bool bInstalled{ false };
		// The set a reload replaced, handed back to be freed here: freeing
		// hundreds of profiles is no work for a game thread.
		LoadedSettings replaced;
		~WorkDone()
		{
			if (event) {
				::CloseHandle(event);
			}
		}
	};

	struct IniThread
	{
		IniFileThreadOptions options;
		std::string folder;
		FolderWatch watch;
		HANDLE stop{ nullptr };  // manual reset
		HANDLE wake{ nullptr };  // auto reset: a request
		std::shared_ptr<WorkDone> done;
		IniFileStamps inForce;  // the files as the reload in force read them
		bool bFolderLost{ false };
		// A reload was given up on a file held open: looks pass it by, without
		// a word, until it is free.
		bool bWaitingForAHeldFile{ false };
		std::thread thread;

		IniThread(const IniFileThreadOptions& a_options, std::string a_folder, const IniFileStamps& a_inForce) :
			options(a_options),
			folder(std::move(a_folder)),
			watch(SFSE::stl::utf8_to_utf16(folder).value_or(std::wstring())),
			inForce(a_inForce)
		{}
		~IniThread()
		{
			for (const HANDLE event : { stop, wake }) {
				if (event) {
					::CloseHandle(event);
				}
			}
		}
	};
	// Never destroyed but by StopIniFileThread: the thread runs to the end.
	IniThread* TheThread = nullptr;
	std::atomic<std::uint64_t> FolderLooks{ 0 };

	// Waits a_ms; false when asked to stop meanwhile.
	bool Wait(const IniThread& a_thread, DWORD a_ms)
	{
		return ::WaitForSingleObject(a_thread.stop, a_ms) == WAIT_TIMEOUT;
	}

	// The first file that differs from the files in force; -1 for none.
	int FindChangedFile(const IniThread& a_thread)
	{
		const auto now = GetIniFileStamps();
		for (std::size_t i = 0; i < now.size(); ++i) {
			if (now[i] != a_thread.inForce[i]) {
				return static_cast<int>(i);
			}
		}
		return -1;
	}

	// Whether neither file was written within the last a_ms.
	bool WereWrittenLongAgo(const IniFileStamps& a_stamps, DWORD a_ms)
	{
		FILETIME now{};
		::GetSystemTimeAsFileTime(&now);
		const auto nowTicks = (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
		constexpr std::uint64_t kTicksPerMs = 10'000;  // file times count 100 ns
		for (const auto& stamp : a_stamps) {
			if (stamp.bExists && (stamp.iLastWrite > nowTicks || nowTicks - stamp.iLastWrite < a_ms * kTicksPerMs)) {
				return false;
			}
		}
		return true;
	}

	// Until both files have kept still for the options' time (at once when
	// neither was written within it); false on stop.
	bool WaitUntilStill(const IniThread& a_thread)
	{
		auto last = GetIniFileStamps();
		if (WereWrittenLongAgo(last, a_thread.options.iStillForMs)) {
			return true;
		}
		for (DWORD still = 0; still < a_thread.options.iStillForMs; still += kLookEveryMs) {
			if (!Wait(a_thread, kLookEveryMs)) {
				return false;
			}
			if (const auto now = GetIniFileStamps(); now != last) {
				last = now;
				still = 0;
			}
		}
		return true;
	}

	struct Blocked
	{
		std::size_t iFile;
		IniFileAccess eAccess;
		unsigned long iError;
	};

	// The first file that exists but can't be opened for reading.
	std::optional<Blocked> FindBlockedFile()
	{
		for (std::size_t i = 0; i < IniFileBaseNames.size(); ++i) {
			unsigned long error = 0;
			const auto access = GetIniFileAccess(IniFileBaseNames[i], &error);
			if (access == IniFileAccess::kHeld || access == IniFileAccess::kUnreadable) {
				return Blocked{ i, access, error };
			}
		}
		return std::nullopt;
	}

	std::string DescribeBlocked(const Blocked& a_blocked)
	{
		std::string text(IniFileBaseNames[a_blocked.iFile]);
		text += a_blocked.eAccess == IniFileAccess::kHeld ? ".ini is held open by another program" : ".ini can't be read (error " + std::to_string(a_blocked.iError) + ")";
		return text;
	}

	// Both files, read once each can be seen whole: none held open by an
	// editor or failing to open, none gone for less than the absence time
	// (a safe save brings it back), and neither changed while it was read.
	// Nothing when asked to stop, or when a file stays held past the bound.
	std::optional<SettingsReload> ReadWholeFiles(IniThread& a_thread)
	{
		const auto start = ::GetTickCount64();
		std::array<ULONGLONG, 2> goneSince{};
		bool bWarned = false;
		for (;;) {
			if (const auto blocked = FindBlockedFile()) {
				if (!bWarned) {
					LOG_WARNING_AS(kName, "can't reload yet | ", DescribeBlocked(*blocked), "; the settings in force stay until it can be read");
					bWarned = true;
				}
				if (::GetTickCount64() - start >= a_thread.options.iHeldForAtMostMs) {
					LOG_ERROR_AS(kName, "can't reload | ", DescribeBlocked(*blocked), "; the settings in force stay");
					a_thread.bWaitingForAHeldFile = true;
					return std::nullopt;
				}
				if (!Wait(a_thread, kRetryEveryMs) || !WaitUntilStill(a_thread)) {
					return std::nullopt;
				}
				continue;
			}
			bool bComingBack = false;
			const auto now = GetIniFileStamps();
			for (std::size_t i = 0; i < now.size(); ++i) {
				if (now[i].bExists || !a_thread.inForce[i].bExists) {
					goneSince[i] = 0;
					continue;
				}
				const auto tick = ::GetTickCount64();
				goneSince[i] = goneSince[i] ? goneSince[i] : tick;
				bComingBack = bComingBack || tick - goneSince[i] < a_thread.options.iAbsentForMs;
			}
			if (bComingBack) {
				if (!Wait(a_thread, kRetryEveryMs) || !WaitUntilStill(a_thread)) {
					return std::nullopt;
				}
				continue;
			}
			auto reload = ReadProfilesAndSettings(ReloadKind::kRefresh);
			if (GetIniFileStamps() == reload.stamps && !FindBlockedFile()) {
				a_thread.bWaitingForAHeldFile = false;
				return reload;
			}
			// Written or taken while we read: what we read may be half of it.
			if (!WaitUntilStill(a_thread)) {
				return std::nullopt;
			}
		}
	}

	// Hands a_work to the game thread that next takes the runtime's lock
	// and waits until it has run; false when asked to stop first.
	template <class Work>
	bool RunOnGameThread(const IniThread& a_thread, Work a_work)
	{
		::ResetEvent(a_thread.done->event);
		PostRuntimeWork(MakeRuntimeWork([work = std::move(a_work), done = a_thread.done]() mutable {
			// A game call that fails in the work ends the work, not the
			// reload: what was put in force stays, and this thread goes on.
			try {
				work(*done);
			} catch (...) {
			}
			::SetEvent(done->event);
		}));
		const std::array<HANDLE, 2> handles{ a_thread.stop, a_thread.done->event };
		return ::WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
	}

	// What a reload is for decides what follows it, in the order the event
	// handlers have always logged it: the credits capture the game data anew
	// and apply the first profile; a save, a load or an edit find the
	// current profile again; then the dump; then the current profile is
	// applied. Without logging the dump writes nothing, and the profile is
	// applied in the same work: frames never see the new profile before its
	// settings. With logging on they may, for as long as the dump takes.
	void PutInForce(IniThread& a_thread, SettingsReload a_reload, std::uint32_t a_requests)
	{
		const bool bCredits = (a_requests & kReloadForCredits) != 0;
		const bool bReapply = (a_requests & (kReloadForSaveLoad | kReloadForFileChange)) != 0;
		const bool bDump = (bCredits || bReapply) && a_reload.settings.globals.bLogging;
		const std::string_view caller = (a_requests & kReloadForSaveLoad) ? "HandleSaveLoadEvent" : kName;
		// The dump is written here, from a copy: the set itself goes to the
		// runtime.
		std::vector<Profile> dumped;
		std::vector<ProfileView> dumpedViews;
		if (bDump) {
			dumped = a_reload.settings.profiles;
			dumpedViews = a_reload.settings.views;
		}
		const auto stamps = a_reload.stamps;
		const bool bRan = RunOnGameThread(a_thread, [reload = std::move(a_reload), a_requests, bCredits, bReapply, bDump, caller](WorkDone& a_done) mutable {
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
			return;
		}
		a_thread.done->replaced = {};
		if (!a_thread.done->bInstalled) {
			return;
		}
		a_thread.inForce = stamps;
		if (bDump) {
			DumpAllProfiles(dumped, dumpedViews);
			if (bReapply) {
				RunOnGameThread(a_thread, [](WorkDone&) { ApplyProfile(CurrentProfile); });
			}
		}
	}

	void HandleRequests(IniThread& a_thread, std::uint32_t a_requests)
	{
		if (!WaitUntilStill(a_thread)) {
			return;
		}
		if (a_requests == kReloadForFileChange) {
			// Still changed once still (a reload may have read it meanwhile),
			// and wanted.
			const auto changed = FindChangedFile(a_thread);
			if (changed < 0 || !LoadShared(bReloadOnFileChange)) {
				return;
			}
			LOG_INFO_AS(kName, IniFileBaseNames[static_cast<std::size_t>(changed)], ".ini changed; reloading all profiles and settings");
		}
		if (auto reload = ReadWholeFiles(a_thread)) {
			PutInForce(a_thread, std::move(*reload), a_requests);
		}
	}

	// Arms the notification anew on the folder the plugin folder's path
	// names now (renamed away and replaced, deleted and made anew, not there
	// yet). A change between the old notification and the new one is found
	// by the look at the files that follows.
	void KeepWatchingTheFolder(IniThread& a_thread)
	{
		unsigned long error = 0;
		if (a_thread.watch.Arm(&error)) {
			if (a_thread.bFolderLost) {
				LOG_INFO_AS(kName, "watching the INI files again in ", a_thread.folder);
			}
			a_thread.bFolderLost = false;
			return;
		}
		if (!a_thread.bFolderLost) {
			LOG_WARNING_AS(kName, "can't watch the INI files | the system won't report changes in ", a_thread.folder, " (error ", error,
				"); edits take effect at the next save or load until it does");
			a_thread.bFolderLost = true;
		}
	}

	// Whether a look at the files may start a reload: not while a file a
	// reload was given up on is still held.
	bool MayLookAtTheFiles(IniThread& a_thread)
	{
		if (a_thread.bWaitingForAHeldFile && FindBlockedFile()) {
			return false;
		}
		a_thread.bWaitingForAHeldFile = false;
		return true;
	}

	void RunIniThread(IniThread& a_thread)
	{
		const bool bWatch = a_thread.options.bWatchFolder;
		const DWORD period = bWatch ? a_thread.options.iFolderCheckMs : INFINITE;
		DWORD timeout = period;
		for (;;) {
			std::array<HANDLE, 3> handles{ a_thread.stop, a_thread.wake, static_cast<HANDLE>(a_thread.watch.Handle()) };
			const DWORD handleCount = bWatch && handles[2] ? 3 : 2;
			const DWORD waited = ::WaitForMultipleObjects(handleCount, handles.data(), FALSE, timeout);
			timeout = period;
			if (waited == WAIT_OBJECT_0) {
				return;
			}
			if (waited == WAIT_FAILED) {
				LOG_WITHOUT_THROWING(LOG_ERROR_AS, kName, "can't wait for requests and changes (error ", ::GetLastError(),
					"); the INI files are read again only at the next start");
				return;
			}
			try {
				// The files are looked at on every notification, and now and
				// then without one, when the notification is armed anew.
				bool bLook = false;
				if (waited == WAIT_OBJECT_0 + 2) {
					// A notification left signalled would wake us for ever.
					a_thread.watch.Rearm();
					bLook = true;
				} else if (waited == WAIT_TIMEOUT) {
					KeepWatchingTheFolder(a_thread);
					bLook = true;
				}
				const auto count = GetReloadRequestCount();
				auto requests = TakeReloadRequests();
				if (bLook && MayLookAtTheFiles(a_thread) && FindChangedFile(a_thread) >= 0) {
					requests |= kReloadForFileChange;
				}
				if (requests != 0) {
					// Nothing of ours holds the folder while we wait for its
					// files: a folder deleted meanwhile must be able to go.
					a_thread.watch.Close();
					HandleRequests(a_thread, requests);
					// Armed anew at once, and the files looked at again.
					timeout = bWatch ? 0 : INFINITE;
				}
				NoteReloadRequestsFinished(count);
				if (bLook) {
					FolderLooks.fetch_add(1);
				}
			} catch (...) {
				// The next request or change is tried afresh.
			}
		}
	}
}

bool StartIniFileThread(const IniFileStamps& a_inForce, const IniFileThreadOptions& a_options)
{
	if (TheThread) {
		return true;
	}
	try {
		auto thread = std::make_unique<IniThread>(a_options, std::string(GetPluginFolder()), a_inForce);
		thread->stop = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
		thread->wake = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
		thread->done = std::make_shared<WorkDone>();
		thread->done->event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
		if (!thread->stop || !thread->wake || !thread->done->event) {
			LOG_ERROR_AS(kName, "can't start the INI thread | no event (error ", ::GetLastError(), "); the INI files are read again only at the next start");
			return false;
		}
		if (a_options.bWatchFolder) {
			KeepWatchingTheFolder(*thread);
		}
		thread->thread = std::thread(RunIniThread, std::ref(*thread));
		SetReloadRequestSignal(thread->wake);
		// Requests made before the thread could hear them.
		::SetEvent(thread->wake);
		TheThread = thread.release();
		return true;
	} catch (const std::exception& e) {
		LOG_ERROR_AS(kName, "can't start the INI thread | ", e.what(), "; the INI files are read again only at the next start");
		return false;
	}
}

void StopIniFileThread()
{
	if (!TheThread) {
		return;
	}
	SetReloadRequestSignal(nullptr);
	::SetEvent(TheThread->stop);
	TheThread->thread.join();
	delete TheThread;
	TheThread = nullptr;
}

std::uint64_t GetIniFolderLookCount() noexcept
{
	return FolderLooks.load();
}
