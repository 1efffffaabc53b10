#pragma once
// The system's change notification for one folder. It is armed anew now and
// then on whatever folder the path names at that moment: a folder renamed
// away and replaced (a mod manager does that) or deleted and made anew is
// watched again, and a deleted folder is let go (a handle kept on it keeps
// it half deleted, so that no new one can be made in its place). A
// notification that can't be re-armed is closed instead of left signalled.
#include <string>

class FolderWatch
{
public:
	explicit FolderWatch(std::wstring a_folder) :
		_folder(std::move(a_folder)) {}
	~FolderWatch() { Close(); }
	FolderWatch(const FolderWatch&) = delete;
	FolderWatch& operator=(const FolderWatch&) = delete;

	// Closes the notification and arms one on the folder the path names
	// now; false, with the platform's error in *a_error, when it can't (no
	// folder there).
	bool Arm(unsigned long* a_error = nullptr);
	void Close() noexcept;

	// The handle to wait on; null while not armed.
	void* Handle() const noexcept { return _change; }

	// After the handle was signalled: ready for the next change. False when
	// the system refused (the notification is closed then).
	bool Rearm() noexcept;

private:
	std::wstring _folder;
	void* _change{ nullptr };
};
