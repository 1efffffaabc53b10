#include "SFSE/Logger.h"

#include <memory>
#include <vector>

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <spdlog/pattern_formatter.h>
#include <spdlog/sinks/basic_file_sink.h>

#include "OwnModule.h"
#include "SFSE/DebuggerSink.h"
#include "SFSE/Interfaces.h"
#include "SFSE/Unicode.h"

namespace SFSE::log
{
	namespace detail
	{
		bool is_debugger_present() noexcept { return ::IsDebuggerPresent() != FALSE; }
		void output_debug_string(const char* a_text) noexcept { ::OutputDebugStringA(a_text); }

		void set_up_logger_in(const std::filesystem::path& a_directory)
		{
			const auto fileName = log_file_name();
			if (!fileName) {
				error("failed to read the plugin name from SFSEPlugin_Version");
				return;
			}

			std::vector<spdlog::sink_ptr> sinks{
				std::make_shared<spdlog::sinks::basic_file_sink_mt>((a_directory / *fileName).wstring(), true),
				std::make_shared<debugger_sink_mt>()
			};
			auto logger = std::make_shared<spdlog::logger>("SFSE", sinks.begin(), sinks.end());
			logger->set_level(spdlog::level::info);
			logger->flush_on(spdlog::level::info);
			logger->set_formatter(std::make_unique<spdlog::pattern_formatter>(
				"[%Y-%m-%d %H:%M:%S.%f] [%n] [%l] [%s:%#] %v", spdlog::pattern_time_type::local, "\r\n"));

			// Replaces the previous default logger in the registry under its
			// lock: the old one's name is dropped, the new one registered.
			spdlog::set_default_logger(std::move(logger));
		}
	}

	std::optional<std::filesystem::path> log_directory()
	{
		wchar_t* knownPath = nullptr;
		const HRESULT result = ::SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &knownPath);
		std::optional<std::filesystem::path> directory;
		if (FAILED(result) || !knownPath) {
			error("failed to get known folder path");
		} else {
			directory = std::filesystem::path(knownPath) / L"My Games\\Starfield\\SFSE\\Logs";
		}
		::CoTaskMemFree(knownPath);
		return directory;
	}

	std::optional<std::filesystem::path> log_file_name()
	{
		const auto* record = reinterpret_cast<const PluginVersionData*>(
			::GetProcAddress(SFSE::detail::own_module(), "SFSEPlugin_Version"));
		if (!record) {
			return std::nullopt;
		}
		const std::string_view name(record->pluginName, strnlen(record->pluginName, sizeof(record->pluginName)));
		const auto wideName = stl::utf8_to_utf16(fmt::format("{}.log", name));
		if (!wideName) {
			return std::nullopt;
		}
		return std::filesystem::path(*wideName);
	}

	void set_up_logger()
	{
		if (const auto directory = log_directory()) {
			detail::set_up_logger_in(*directory);
		}
	}
}
