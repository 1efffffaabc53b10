#include "Lifecycle/IniFileThread.h"

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

#include <windows.h>

#include "Lifecycle/FolderWatch.h"
#include "Lifecycle/ReloadInForce.h"
#include "Lifecycle/WholeFileRead.h"
#include "SFSE/Unicode.h"
#include "Settings/GlobalSettings.h"
#include "Settings/IniFile.h"
#include "Settings/Logging.h"
#include "State/ReloadRequests.h"
#include "State/SharedState.h"

namespace
{
	struct IniThread
	{
		IniFileThreadOptions options;
		std::string folder;
		FolderWatch watch;
		HANDLE stop{ nullptr };  // manual reset
		HANDLE wake{ nullptr };  // auto reset: a request
		std::optional<ReloadInForce> inForceBy;
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
			inForceBy.reset();
			for (const HANDLE event : { stop, wake }) {
				if (event) {
					::CloseHandle(event);
				}
			}
		}

		WholeReadWaits Waits() const noexcept { return { stop, options.iStillForMs, options.iHeldForAtMostMs, options.iAbsentForMs }; }
	};
	// Never destroyed but by StopIniFileThread: the thread runs to the end.
	IniThread* TheThread = nullptr;
	std::atomic<std::uint64_t> FolderLooks{ 0 };

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

	void HandleRequests(IniThread& a_thread, std::uint32_t a_requests)
	{
		if (!WaitUntilIniFilesAreStill(a_thread.Waits())) {
			return;
		}
		if (a_requests == kReloadForFileChange) {
			// Still changed once still (a reload may have read it meanwhile),
			// and wanted.
			const auto changed = FindChangedFile(a_thread);
			if (changed < 0 || !LoadShared(bReloadOnFileChange)) {
				return;
			}
			LOG_INFO_AS(IniThreadLogName, IniFileBaseNames[static_cast<std::size_t>(changed)], ".ini changed; reloading all profiles and settings");
		}
		auto read = ReadWholeIniFiles(a_thread.Waits(), a_thread.inForce);
		a_thread.bWaitingForAHeldFile = read.eEnd == WholeReadEnd::kHeldTooLong;
		if (!read.reload) {
			return;
		}
		// Recorded only for a read put in force.
		const auto stamps = read.reload->stamps;
		if (a_thread.inForceBy->PutInForce(std::move(*read.reload), a_requests)) {
			a_thread.inForce = stamps;
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
				LOG_INFO_AS(IniThreadLogName, "watching the INI files again in ", a_thread.folder);
			}
			a_thread.bFolderLost = false;
			return;
		}
		if (!a_thread.bFolderLost) {
			LOG_WARNING_AS(IniThreadLogName, "can't watch the INI files | the system won't report changes in ", a_thread.folder, " (error ", error,
				"); edits take effect at the next save or load until it does");
			a_thread.bFolderLost = true;
		}
	}

	// Whether a look at the files may start a reload: not while a file a
	// reload was given up on is still held.
	bool MayLookAtTheFiles(IniThread& a_thread)
	{
		if (a_thread.bWaitingForAHeldFile && IsAnIniFileBlocked()) {
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
				LOG_WITHOUT_THROWING(LOG_ERROR_AS, IniThreadLogName, "can't wait for requests and changes (error ", ::GetLastError(),
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
		thread->inForceBy.emplace(thread->stop);
		if (!thread->stop || !thread->wake || !thread->inForceBy->IsReady()) {
			LOG_ERROR_AS(IniThreadLogName, "can't start the INI thread | no event (error ", ::GetLastError(), "); the INI files are read again only at the next start");
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
		LOG_ERROR_AS(IniThreadLogName, "can't start the INI thread | ", e.what(), "; the INI files are read again only at the next start");
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
