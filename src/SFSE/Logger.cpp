#include "SFSE/Logger.h"

#include <exception>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <spdlog/pattern_formatter.h>

#include "OwnModule.h"
#include "SFSE/BoundedFileSink.h"
#include "SFSE/DebuggerSink.h"
#include "SFSE/Interfaces.h"
#include "SFSE/Unicode.h"

namespace SFSE::log
{
	namespace detail
	{
		bool is_debugger_present() noexcept { return ::IsDebuggerPresent() != FALSE; }
		void output_debug_string(const char* a_text) noexcept { ::OutputDebugStringA(a_text); }

		// spdlog's exception text names the file and then the C library's
		// reason; the line names the path itself, so only the reason is kept.
		std::string open_failure_reason(const std::filesystem::path& a_path, const std::exception& a_error)
		{
			std::error_code ignored;
			if (std::filesystem::is_directory(a_path, ignored)) {
				return "a folder of that name is in its place";
			}
			const std::string_view text = a_error.what();
			if (const auto colon = text.rfind(": "); colon != std::string_view::npos && colon + 2 < text.size()) {
				return std::string(text.substr(colon + 2));
			}
			return std::string(text);
		}

		void set_up_logger_in(const std::filesystem::path& a_directory, std::size_t a_sizeLimit)
		{
			const auto fileName = log_file_name();
			if (!fileName) {
				error("failed to read the plugin name from SFSEPlugin_Version");
				return;
			}

			// The file sink opens (and creates the folders) at once. A file
			// that can't be opened (a folder in its place, a locked file, no
			// write permission) must not stop the plugin: it runs on without
			// a file log, as without a Documents folder, and says why once.
			const auto path = a_directory / *fileName;
			std::vector<spdlog::sink_ptr> sinks;
			try {
				sinks.push_back(std::make_shared<bounded_file_sink_mt>(path.wstring(), a_sizeLimit));
			} catch (const std::exception& e) {
				error("failed to open the log file {} | {}",
					stl::utf16_to_utf8(path.wstring()).value_or("<unknown filename>"), open_failure_reason(path, e));
				return;
			}
			sinks.push_back(std::make_shared<debugger_sink_mt>());
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
