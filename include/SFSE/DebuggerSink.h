#pragma once
// A sink for the debugger's output window that stays silent unless a debugger
// is attached, so a player's game never pays for OutputDebugString.
#include <mutex>
#include <string>

#include <spdlog/details/null_mutex.h>
#include <spdlog/sinks/base_sink.h>

namespace SFSE::log
{
	namespace detail
	{
		bool is_debugger_present() noexcept;
		void output_debug_string(const char* a_text) noexcept;
	}

	template <class Mutex>
	class debugger_sink final : public spdlog::sinks::base_sink<Mutex>
	{
	protected:
		void sink_it_(const spdlog::details::log_msg& a_msg) override
		{
			if (!detail::is_debugger_present()) {
				return;
			}
			spdlog::memory_buf_t formatted;
			this->formatter_->format(a_msg, formatted);
			detail::output_debug_string(std::string(formatted.data(), formatted.size()).c_str());
		}

		void flush_() override {}
	};

	using debugger_sink_mt = debugger_sink<std::mutex>;
	using debugger_sink_st = debugger_sink<spdlog::details::null_mutex>;
}
