#include "SFSE/API.h"

#include <mutex>

#include "REL/Module.h"
#include "SFSE/FatalError.h"
#include "SFSE/Logger.h"

namespace SFSE
{
	namespace
	{
		struct HostApiStorage
		{
			PluginHandle pluginHandle{ static_cast<PluginHandle>(-1) };
			const TrampolineInterface* trampolineInterface{ nullptr };
			const MessagingInterface* messagingInterface{ nullptr };
			const MenuInterface* menuInterface{ nullptr };
			const TaskInterface* taskInterface{ nullptr };
			std::mutex lock;
			bool initialized{ false };
			bool loggerReady{ false };

			static HostApiStorage& get()
			{
				static HostApiStorage storage;
				return storage;
			}
		};

		template <class T>
		const T* query(const LoadInterface* a_load, InterfaceID a_id)
		{
			return static_cast<const T*>(detail::QueryInterface(a_load, a_id));
		}

		std::uint32_t known_version(InterfaceID a_id)
		{
			switch (a_id) {
			case InterfaceID::kMessaging:
				return MessagingInterface::kVersion;
			case InterfaceID::kTrampoline:
				return TrampolineInterface::kVersion;
			case InterfaceID::kMenu:
				return MenuInterface::kVersion;
			case InterfaceID::kTask:
				return TaskInterface::kVersion;
			}
			return 0;
		}
	}

	namespace detail
	{
		void* QueryInterface(const LoadInterface* a_load, InterfaceID a_id)
		{
			auto* result = a_load->QueryInterface(a_id);
			// Every host interface begins with its own u32 version.
			if (result && *static_cast<const std::uint32_t*>(result) > known_version(a_id)) {
				log::warn("interface definition is out of date");
			}
			return result;
		}
	}

	void Init(const LoadInterface* a_load)
	{
		if (!a_load) {
			fatal_error("interface is null");
		}

		auto& storage = HostApiStorage::get();
		{
			// A second call must not truncate the log the first one opened.
			const std::lock_guard guard(storage.lock);
			if (!storage.loggerReady) {
				log::set_up_logger();
				storage.loggerReady = true;
			}
		}
		REL::Module::get();

		const std::lock_guard guard(storage.lock);
		if (storage.initialized) {
			return;
		}
		storage.pluginHandle = a_load->GetPluginHandle();
		storage.messagingInterface = query<MessagingInterface>(a_load, InterfaceID::kMessaging);
		storage.trampolineInterface = query<TrampolineInterface>(a_load, InterfaceID::kTrampoline);
		storage.menuInterface = query<MenuInterface>(a_load, InterfaceID::kMenu);
		storage.taskInterface = query<TaskInterface>(a_load, InterfaceID::kTask);
		storage.initialized = true;
	}

	PluginHandle GetPluginHandle() { return HostApiStorage::get().pluginHandle; }
	const MessagingInterface* GetMessagingInterface() { return HostApiStorage::get().messagingInterface; }
	const TrampolineInterface* GetTrampolineInterface() { return HostApiStorage::get().trampolineInterface; }
	const MenuInterface* GetMenuInterface() { return HostApiStorage::get().menuInterface; }
	const TaskInterface* GetTaskInterface() { return HostApiStorage::get().taskInterface; }

	bool MessagingInterface::RegisterListener(const char* a_sender, EventCallback* a_callback) const
	{
		const bool registered = register_listener_slot(GetPluginHandle(), a_sender, reinterpret_cast<void*>(a_callback));
		if (!registered) {
			log::error("Failed to register messaging listener for {}", a_sender);
		}
		return registered;
	}

	void* TrampolineInterface::AllocateFromBranchPool(std::size_t a_size) const
	{
		return allocate_from_branch_pool_slot(GetPluginHandle(), a_size);
	}
}
