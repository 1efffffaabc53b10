#pragma once
// The simulated script extender host: loads a plugin DLL, reads its version
// record and calls its load entry point with a load interface whose slots sit
// where the real host puts them. Messaging and trampoline interfaces are
// configurable per test.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "SFSE/Interfaces.h"

namespace sim
{
	struct HostOptions
	{
		std::uint32_t sfseVersion{ SFSE::pack_version(0, 2, 13, 0) };
		std::uint32_t runtimeVersion{ SFSE::pack_version(1, 14, 70, 0) };
		SFSE::PluginHandle pluginHandle{ 7 };

		// An interface is offered with this version; nothing: not offered.
		std::optional<std::uint32_t> messagingVersion{ 1 };
		std::optional<std::uint32_t> trampolineVersion{ 1 };
		std::optional<std::uint32_t> menuVersion{ 2 };
		std::optional<std::uint32_t> taskVersion{ 1 };

		bool acceptListeners{ true };
		// Bytes the branch pool grants in all; 0 refuses every request.
		std::size_t branchPoolBytes{ 512 };
	};

	struct RegisteredListener
	{
		SFSE::PluginHandle handle;
		std::string sender;
		SFSE::MessagingInterface::EventCallback* callback;
	};

	// One host per process, as in the game: the host's slots are plain
	// functions without context, so they find it through current().
	class Host
	{
	public:
		explicit Host(HostOptions a_options = {});
		~Host();
		Host(const Host&) = delete;
		Host& operator=(const Host&) = delete;

		static Host* current() noexcept;

		const SFSE::LoadInterface& load_interface() const noexcept { return _load; }
		const HostOptions& options() const noexcept { return _options; }

		// LoadLibrary of the plugin; the module stays loaded with the host.
		HMODULE load_plugin(const std::filesystem::path& a_dll);
		const SFSE::PluginVersionData* version_record() const noexcept { return _record; }
		// Calls SFSEPlugin_Load with the load interface (or the given one).
		bool call_plugin_load();
		bool call_plugin_load(const SFSE::LoadInterface* a_load);

		// Delivers a message from the host ("SFSE") to every listener
		// registered for it; returns how many got it.
		std::size_t dispatch(std::uint32_t a_type, void* a_data = nullptr, std::uint32_t a_length = 0);

		const std::vector<RegisteredListener>& listeners() const noexcept { return _listeners; }
		const std::vector<std::uint32_t>& queried_ids() const noexcept { return _queriedIds; }
		const std::vector<void*>& branch_pool_blocks() const noexcept { return _branchBlocks; }

	private:
		static void* query_interface(std::uint32_t a_id);
		static SFSE::PluginHandle get_plugin_handle();
		static const void* get_plugin_info(const char* a_name);
		static bool register_listener(SFSE::PluginHandle a_handle, const char* a_sender, void* a_callback);
		static bool dispatch_message(SFSE::PluginHandle a_handle, std::uint32_t a_type, void* a_data, std::uint32_t a_length, const char* a_receiver);
		static void* allocate_from_branch_pool(SFSE::PluginHandle a_handle, std::size_t a_size);
		static void* allocate_from_local_pool(SFSE::PluginHandle a_handle, std::size_t a_size);

		HostOptions _options;
		SFSE::LoadInterface _load{};
		SFSE::MessagingInterface _messaging{};
		SFSE::TrampolineInterface _trampoline{};
		SFSE::MenuInterface _menu{};
		SFSE::TaskInterface _task{};

		HMODULE _plugin{ nullptr };
		const SFSE::PluginVersionData* _record{ nullptr };
		std::vector<RegisteredListener> _listeners;
		std::vector<std::uint32_t> _queriedIds;
		std::vector<void*> _branchBlocks;
		std::size_t _branchBytesGranted{ 0 };
	};

	// One message from the host ("SFSE") to a_listener, as the host sends it.
	void send_message(SFSE::MessagingInterface::EventCallback& a_listener, std::uint32_t a_type, void* a_data = nullptr,
		std::uint32_t a_length = 0);

	// Free memory within a signed 32-bit reach of a_near, committed as
	// executable; null when there is none.
	void* allocate_near(std::uintptr_t a_near, std::size_t a_size);
}
