#pragma once
// What the INI thread read, put in force by runtime work that a game thread
// runs (the INI thread never calls the game), with what the reload was
// asked for after it, in the order the event handlers have always logged
// it: the credits capture the game data anew and apply the first profile; a
// save, a load or an edit find the current profile again; then the dump,
// written by the INI thread; then the current profile is applied.
#include <cstdint>
#include <memory>

#include "Lifecycle/Reloads.h"

struct ReloadWorkDone;

class ReloadInForce
{
public:
	// a_stop: an event; once set, no wait for a game thread goes on.
	explicit ReloadInForce(void* a_stop);
	~ReloadInForce();
	ReloadInForce(const ReloadInForce&) = delete;
	ReloadInForce& operator=(const ReloadInForce&) = delete;

	// False when the event it waits on couldn't be made.
	bool IsReady() const noexcept;

	// a_requests: the ReloadRequest bits it was read for. True once the set
	// is in force; false when a newer one was, or on stop.
	bool PutInForce(SettingsReload a_reload, std::uint32_t a_requests);

private:
	template <class Work>
	bool RunOnGameThread(Work a_work);

	void* _stop;
	// Kept by the work too: it may run after the thread has stopped.
	std::shared_ptr<ReloadWorkDone> _done;
};
