#pragma once
#include "SFSE/Interfaces.h"

namespace SFSE
{
	// Connects the plugin to the host: opens the log, describes the game
	// module and keeps the host's interfaces. A null interface is fatal;
	// later calls only repeat nothing.
	void Init(const LoadInterface* a_load);

	PluginHandle GetPluginHandle();
	const MessagingInterface* GetMessagingInterface();
	const TrampolineInterface* GetTrampolineInterface();
	const MenuInterface* GetMenuInterface();
	const TaskInterface* GetTaskInterface();

	namespace detail
	{
		// The host's answer for one interface id; warns when the host's
		// interface is newer than the one this plugin was written against.
		void* QueryInterface(const LoadInterface* a_load, InterfaceID a_id);
	}
}
