#include "sim/host/Host.h"

#include <stdexcept>

namespace sim
{
	namespace
	{
		Host* g_current = nullptr;
	}

	Host::Host(HostOptions a_options) :
		_options(a_options)
	{
		if (g_current) {
			throw std::logic_error("one simulated host per process");
		}
		g_current = this;

		_load.sfseVersion = _options.sfseVersion;
		_load.runtimeVersion = _options.runtimeVersion;
		_load.interfaceVersion = 1;
		_load.query_interface_slot = &Host::query_interface;
		_load.get_plugin_handle_slot = &Host::get_plugin_handle;
		_load.get_plugin_info_slot = &Host::get_plugin_info;

		_messaging.interfaceVersion = _options.messagingVersion.value_or(0);
		_messaging.register_listener_slot = &Host::register_listener;
		_messaging.dispatch_slot = &Host::dispatch_message;

		_trampoline.interfaceVersion = _options.trampolineVersion.value_or(0);
		_trampoline.allocate_from_branch_pool_slot = &Host::allocate_from_branch_pool;
		_trampoline.allocate_from_local_pool_slot = &Host::allocate_from_local_pool;

		_menu.interfaceVersion = _options.menuVersion.value_or(0);
		_task.interfaceVersion = _options.taskVersion.value_or(0);
	}

	Host::~Host()
	{
		// Plugins are never unloaded in the game; neither are they here, so
		// their hooks and pool memory stay valid until the process ends.
		g_current = nullptr;
	}

	Host* Host::current() noexcept { return g_current; }

	HMODULE Host::load_plugin(const std::filesystem::path& a_dll)
	{
		_plugin = ::LoadLibraryW(a_dll.c_str());
		if (!_plugin) {
			throw std::runtime_error("LoadLibrary failed for " + a_dll.string());
		}
		_record = reinterpret_cast<const SFSE::PluginVersionData*>(::GetProcAddress(_plugin, "SFSEPlugin_Version"));
		return _plugin;
	}

	bool Host::call_plugin_load() { return call_plugin_load(&_load); }

	bool Host::call_plugin_load(const SFSE::LoadInterface* a_load)
	{
		using Load = bool (*)(const SFSE::LoadInterface*);
		const auto load = reinterpret_cast<Load>(reinterpret_cast<void*>(::GetProcAddress(_plugin, "SFSEPlugin_Load")));
		if (!load) {
			throw std::runtime_error("the plugin exports no SFSEPlugin_Load");
		}
		return load(a_load);
	}

	void send_message(SFSE::MessagingInterface::EventCallback& a_listener, std::uint32_t a_type, void* a_data, std::uint32_t a_length)
	{
		SFSE::MessagingInterface::Message message{ "SFSE", a_type, a_length, a_data };
		a_listener(&message);
	}

	std::size_t Host::dispatch(std::uint32_t a_type, void* a_data, std::uint32_t a_length)
	{
		std::size_t delivered = 0;
		for (const auto& listener : std::vector(_listeners)) {
			if (listener.sender != "SFSE") {
				continue;
			}
			send_message(*listener.callback, a_type, a_data, a_length);
			++delivered;
		}
		return delivered;
	}

	void* Host::query_interface(std::uint32_t a_id)
	{
		auto& host = *g_current;
		host._queriedIds.push_back(a_id);
		switch (a_id) {
		case 1:
			return host._options.messagingVersion ? &host._messaging : nullptr;
		case 2:
			return host._options.trampolineVersion ? &host._trampoline : nullptr;
		case 3:
			return host._options.menuVersion ? &host._menu : nullptr;
		case 4:
			return host._options.taskVersion ? &host._task : nullptr;
		default:
			return nullptr;
		}
	}

	SFSE::PluginHandle Host::get_plugin_handle() { return g_current->_options.pluginHandle; }

	const void* Host::get_plugin_info(const char*) { return nullptr; }

	bool Host::register_listener(SFSE::PluginHandle a_handle, const char* a_sender, void* a_callback)
	{
		auto& host = *g_current;
		if (!host._options.acceptListeners || !a_callback) {
			return false;
		}
		host._listeners.push_back({ a_handle, a_sender ? a_sender : "",
			reinterpret_cast<SFSE::MessagingInterface::EventCallback*>(a_callback) });
		return true;
	}

	bool Host::dispatch_message(SFSE::PluginHandle, std::uint32_t, void*, std::uint32_t, const char*)
	{
		return false;  // plugin-to-plugin messages: not used by Tarmacor
	}

	void* Host::allocate_from_branch_pool(SFSE::PluginHandle, std::size_t a_size)
	{
		auto& host = *g_current;
		if (host._branchBytesGranted + a_size > host._options.branchPoolBytes) {
			return nullptr;
		}
		void* block = allocate_near(reinterpret_cast<std::uintptr_t>(::GetModuleHandleW(nullptr)), a_size);
		if (block) {
			host._branchBytesGranted += a_size;
			host._branchBlocks.push_back(block);
		}
		return block;
	}

	void* Host::allocate_from_local_pool(SFSE::PluginHandle, std::size_t)
	{
		return nullptr;
	}

	void* allocate_near(std::uintptr_t a_near, std::size_t a_size)
	{
		SYSTEM_INFO info{};
		::GetSystemInfo(&info);
		const std::uintptr_t granularity = info.dwAllocationGranularity;
		constexpr std::uintptr_t kReach = 0x7FF00000;

		std::uintptr_t position = a_near > kReach ? (a_near - kReach) : granularity;
		const std::uintptr_t end = a_near + kReach;
		while (position < end) {
			MEMORY_BASIC_INFORMATION region{};
			if (!::VirtualQuery(reinterpret_cast<void*>(position), &region, sizeof(region))) {
				return nullptr;
			}
			const auto base = reinterpret_cast<std::uintptr_t>(region.BaseAddress);
			const auto next = base + region.RegionSize;
			if (region.State == MEM_FREE) {
				const auto candidate = (base + granularity - 1) / granularity * granularity;
				if (candidate < next && next - candidate >= a_size) {
					if (void* memory = ::VirtualAlloc(reinterpret_cast<void*>(candidate), a_size, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE)) {
						return memory;
					}
				}
			}
			position = next;
		}
		return nullptr;
	}
}
