#pragma once
// The script extender host's published plugin interfaces, laid out exactly as
// the host hands them out. Only the slots the plugin uses are named; the
// member functions call through those slots and add nothing to the layout.
#include <cstddef>
#include <cstdint>

namespace SFSE
{
	using PluginHandle = std::uint32_t;

	// Packed version: major in bits 24-31, minor 16-23, patch 4-15, build 0-3.
	constexpr std::uint32_t pack_version(std::uint32_t a_major, std::uint32_t a_minor, std::uint32_t a_patch, std::uint32_t a_build) noexcept
	{
		return ((a_major & 0xFF) << 24) | ((a_minor & 0xFF) << 16) | ((a_patch & 0xFFF) << 4) | (a_build & 0xF);
	}

	// The exported record the host reads to learn who a plugin is.
	struct PluginVersionData
	{
		std::uint32_t dataVersion;
		std::uint32_t pluginVersion;
		char pluginName[256];
		char author[256];
		std::uint32_t addressIndependence;
		std::uint32_t structureCompatibility;
		std::uint32_t compatibleVersions[16];
		std::uint32_t seVersionRequired;
		std::uint32_t reserved1;
		std::uint32_t reserved2;
	};
	static_assert(sizeof(PluginVersionData) == 604);
	static_assert(offsetof(PluginVersionData, pluginName) == 8);
	static_assert(offsetof(PluginVersionData, author) == 264);
	static_assert(offsetof(PluginVersionData, addressIndependence) == 520);
	static_assert(offsetof(PluginVersionData, compatibleVersions) == 528);
	static_assert(offsetof(PluginVersionData, seVersionRequired) == 592);

	enum class InterfaceID : std::uint32_t
	{
		kMessaging = 1,
		kTrampoline = 2,
		kMenu = 3,
		kTask = 4,
	};

	struct LoadInterface
	{
		std::uint32_t sfseVersion;
		std::uint32_t runtimeVersion;
		std::uint32_t interfaceVersion;
		void* (*query_interface_slot)(std::uint32_t a_id);
		PluginHandle (*get_plugin_handle_slot)();
		const void* (*get_plugin_info_slot)(const char* a_name);

		void* QueryInterface(InterfaceID a_id) const { return query_interface_slot(static_cast<std::uint32_t>(a_id)); }
		PluginHandle GetPluginHandle() const { return get_plugin_handle_slot(); }
	};
	static_assert(offsetof(LoadInterface, query_interface_slot) == 16);
	static_assert(offsetof(LoadInterface, get_plugin_handle_slot) == 24);
	static_assert(offsetof(LoadInterface, get_plugin_info_slot) == 32);

	struct MessagingInterface
	{
		static constexpr std::uint32_t kVersion = 1;

		enum : std::uint32_t
		{
			kPostLoad = 0,
			kPostPostLoad = 1,
			kPostDataLoad = 2,
			kPostPostDataLoad = 3,
		};

		struct Message
		{
			const char* sender;
			std::uint32_t type;
			std::uint32_t dataLen;
			void* data;
		};
		static_assert(sizeof(Message) == 24);

		using EventCallback = void(Message* a_message);

		std::uint32_t interfaceVersion;
		bool (*register_listener_slot)(PluginHandle a_handle, const char* a_sender, void* a_callback);
		bool (*dispatch_slot)(PluginHandle a_handle, std::uint32_t a_type, void* a_data, std::uint32_t a_length, const char* a_receiver);

		std::uint32_t Version() const { return interfaceVersion; }
		// Logs and returns false when the host refuses the listener.
		bool RegisterListener(const char* a_sender, EventCallback* a_callback) const;
	};
	static_assert(offsetof(MessagingInterface, register_listener_slot) == 8);
	static_assert(offsetof(MessagingInterface, dispatch_slot) == 16);

	struct TrampolineInterface
	{
		static constexpr std::uint32_t kVersion = 1;

		std::uint32_t interfaceVersion;
		void* (*allocate_from_branch_pool_slot)(PluginHandle a_handle, std::size_t a_size);
		void* (*allocate_from_local_pool_slot)(PluginHandle a_handle, std::size_t a_size);

		std::uint32_t Version() const { return interfaceVersion; }
		void* AllocateFromBranchPool(std::size_t a_size) const;
	};
	static_assert(offsetof(TrampolineInterface, allocate_from_branch_pool_slot) == 8);
	static_assert(offsetof(TrampolineInterface, allocate_from_local_pool_slot) == 16);

	// Stored, never used by the plugin.
	struct MenuInterface
	{
		static constexpr std::uint32_t kVersion = 2;
		std::uint32_t interfaceVersion;
		std::uint32_t Version() const { return interfaceVersion; }
	};

	struct TaskInterface
	{
		static constexpr std::uint32_t kVersion = 1;
		std::uint32_t interfaceVersion;
		std::uint32_t Version() const { return interfaceVersion; }
	};
}
