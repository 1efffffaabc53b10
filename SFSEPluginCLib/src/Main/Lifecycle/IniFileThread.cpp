#include "Lifecycle/IniFileWatcher.h"

#include <array>
#include <string>
#include <string_view>
#include <thread>

#include <windows.h>

#include "Lifecycle/SaveLoadEvent.h"
#include "SFSE/Unicode.h"
#include "Settings/GlobalSettings.h"
#include "Settings/IniFile.h"
#include "Settings/Logging.h"
#include "State/IniFileStamps.h"
#include "State/Reloads.h"
#include "State/RuntimeWork.h"
#include "State/SharedState.h"

namespace
{
	// An editor's save is several writes: the file must keep still this long.
	constexpr DWORD kStillForMs = 300;
	constexpr DWORD kLookEveryMs = 50;
	// A file another program holds open, unshared, is tried again this often,
	// for this long.
	constexpr DWORD kHeldRetryMs = 100;
	constexpr DWORD kHeldForAtMostMs = 10'000;

	constexpr std::array<std::string_view, 2> kBaseNames{ VanillaIniName, CustomIniName };

	struct Watcher
	{
		std::wstring folder;
		HANDLE change{ INVALID_HANDLE_VALUE };
		HANDLE stop{ nullptr };
		std::thread thread;
	};
	// Never destroyed with the process: its thread runs to the end.
	Watcher* TheWatcher = nullptr;

	// Waits a_ms; false when asked to stop meanwhile.
	bool Wait(const Watcher& a_watcher, DWORD a_ms)
	{
		return ::WaitForSingleObject(a_watcher.stop, a_ms) == WAIT_TIMEOUT;
	}

	// The first file that differs from what the last reload read; -1 for none.
	int FindChangedFile(const IniFileStamps& a_now)
	{
		const auto read = GetIniFileStampsOfLastReload();
		for (std::size_t i = 0; i < a_now.size(); ++i) {
			if (a_now[i] != read[i]) {
				return static_cast<int>(i);
			}
		}
		return -1;
	}

	// Until both files have kept still for kStillForMs; false on stop.
	bool WaitUntilStill(const Watcher& a_watcher)
	{
		auto last = GetIniFileStamps();
		for (DWORD still = 0; still < kStillForMs; still += kLookEveryMs) {
			if (!Wait(a_watcher, kLookEveryMs)) {
				return false;
			}
			if (const auto now = GetIniFileStamps(); now != last) {
				last = now;
				still = 0;
			}
		}
		return true;
	}

	// Until no program holds either file unshared; false on stop, or when one
	// stays held past the bound.
	bool WaitUntilFree(const Watcher& a_watcher)
	{
		for (DWORD waited = 0;; waited += kHeldRetryMs) {
			std::string_view held;
			for (const auto name : kBaseNames) {
				if (IsIniFileHeld(name)) {
					held = name;
				}
			}
			if (held.empty()) {
				return true;
			}
			if (waited >= kHeldForAtMostMs) {
				LOG_ERROR_AS("WatchIniFiles", "can't reload | ", held, ".ini is held open by another program");
				return false;
			}
			if (!Wait(a_watcher, kHeldRetryMs)) {
				return false;
			}
		}
	}

	void ReloadForChangeOf(std::string_view a_baseName)
	{
		LOG_INFO_AS("WatchIniFiles", a_baseName, ".ini changed; reloading all profiles and settings");
		RunOnRuntime([reload = ReadProfilesAndSettings(ReloadKind::kRefresh)]() mutable {
			InstallIfNewer(reload);
			ReapplyCurrentProfile("WatchIniFiles");
		});
	}

	// A folder on its way out (deleted while we watch it) is let go: our
	// handle would keep it half-deleted.
	bool IsFolderGone(const std::wstring& a_folder)
	{
		return ::GetFileAttributesW(a_folder.c_str()) == INVALID_FILE_ATTRIBUTES;
	}

	void WatchIniFiles(Watcher& a_watcher)
	{
		const std::array<HANDLE, 2> handles{ a_watcher.stop, a_watcher.change };
		for (;;) {
			if (::WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, INFINITE) != WAIT_OBJECT_0 + 1) {
				return;
			}
			try {
				if (IsFolderGone(a_watcher.folder)) {
					LOG_WARNING_AS("WatchIniFiles", "the plugin folder is gone; edits take effect at the next save or load");
					::FindCloseChangeNotification(a_watcher.change);
					a_watcher.change = INVALID_HANDLE_VALUE;
					return;
				}
				::FindNextChangeNotification(a_watcher.change);
				if (FindChangedFile(GetIniFileStamps()) < 0) {
					continue;
				}
				if (!WaitUntilStill(a_watcher)) {
					return;
				}
				// Still changed once still (a save may have read it meanwhile),
				// and wanted.
				const auto changed = FindChangedFile(GetIniFileStamps());
				if (changed < 0 || !LoadShared(bReloadOnFileChange)) {
					continue;
				}
				if (!WaitUntilFree(a_watcher)) {
					continue;
				}
				ReloadForChangeOf(kBaseNames[static_cast<std::size_t>(changed)]);
			} catch (...) {
				// The next change is tried afresh.
			}
		}
	}
}

bool StartIniFileWatcher()
{
	if (TheWatcher) {
		return true;
	}
	const std::string folder(GetPluginFolder());
	const auto wideFolder = SFSE::stl::utf8_to_utf16(folder).value_or(std::wstring());
	const HANDLE change = ::FindFirstChangeNotificationW(wideFolder.c_str(), FALSE,
		FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE);
	if (change == INVALID_HANDLE_VALUE) {
		const auto error = ::GetLastError();
		LOG_ERROR_AS("WatchIniFiles", "can't watch the INI files | the system won't report changes in ", folder, " (error ", error,
			"); edits take effect at the next save or load");
		return false;
	}
	auto* watcher = new Watcher;
	watcher->folder = wideFolder;
	watcher->change = change;
	watcher->stop = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
	watcher->thread = std::thread(WatchIniFiles, std::ref(*watcher));
	TheWatcher = watcher;
	return true;
}

void StopIniFileWatcher()
{
	if (!TheWatcher) {
		return;
	}
	::SetEvent(TheWatcher->stop);
	TheWatcher->thread.join();
	if (TheWatcher->change != INVALID_HANDLE_VALUE) {
		::FindCloseChangeNotification(TheWatcher->change);
	}
	::CloseHandle(TheWatcher->stop);
	delete TheWatcher;
	TheWatcher = nullptr;
}
