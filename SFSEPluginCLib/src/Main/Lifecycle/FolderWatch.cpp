#include "Lifecycle/FolderWatch.h"

#include <windows.h>

bool FolderWatch::Arm(unsigned long* a_error)
{
	Close();
	const HANDLE change = ::FindFirstChangeNotificationW(_folder.c_str(), FALSE,
		FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE);
	if (change == INVALID_HANDLE_VALUE) {
		if (a_error) {
			*a_error = ::GetLastError();
		}
		return false;
	}
	_change = change;
	return true;
}

void FolderWatch::Close() noexcept
{
	if (_change) {
		::FindCloseChangeNotification(_change);
		_change = nullptr;
	}
}

bool FolderWatch::Rearm() noexcept
{
	if (_change && ::FindNextChangeNotification(_change)) {
		return true;
	}
	Close();
	return false;
}
