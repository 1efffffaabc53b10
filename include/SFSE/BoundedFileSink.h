#pragma once
// A file sink that stops at a fixed size. With the plugin's logging switch on,
// the per-frame hook writes a line per fade node per frame; a player who
// forgets the switch must not find the disk full. When the next line would
// pass the limit, one line says so and nothing more is written, except
// critical lines: a fatal error is what the player needs most, and it ends
// the process, so there is at most one of them.
#include <cstddef>
#include <mutex>
#include <string>

#include <spdlog/details/file_helper.h>
#include <spdlog/details/null_mutex.h>
#include <spdlog/sinks/base_sink.h>

namespace SFSE::log
{
	template <class Mutex>
	class bounded_file_sink final : public spdlog::sinks::base_sink<Mutex>
	{
	public:
		// Opens (and truncates) the file at once; throws spdlog_ex as
		// basic_file_sink does when it can't.
		bounded_file_sink(const spdlog::filename_t& a_path, std::size_t a_limit) :
			_limit(a_limit)
		{
			_file.open(a_path, true);
		}

		std::size_t bytes_written() const noexcept { return _written; }
		bool stopped() const noexcept { return _stopped; }

	protected:
		void sink_it_(const spdlog::details::log_msg& a_msg) override
		{
			const bool critical = a_msg.level == spdlog::level::critical;
			if (_stopped && !critical) {
				return;
			}
			spdlog::memory_buf_t formatted;
			this->formatter_->format(a_msg, formatted);
			if (!_stopped && _written + formatted.size() > _limit) {
				write_limit_line(a_msg);
				if (!critical) {
					return;
				}
			}
			write(formatted);
		}

		void flush_() override { _file.flush(); }

	private:
		void write_limit_line(const spdlog::details::log_msg& a_cause)
		{
			_stopped = true;
			const auto text = fmt::format(
				"the log has reached its size limit of {} bytes; logging stops until the next start", _limit);
			const spdlog::details::log_msg notice(a_cause.time, spdlog::source_loc{ __FILE__, __LINE__, "" },
				a_cause.logger_name, spdlog::level::warn, text);
			spdlog::memory_buf_t formatted;
			this->formatter_->format(notice, formatted);
			write(formatted);
		}

		void write(const spdlog::memory_buf_t& a_text)
		{
			_file.write(a_text);
			_written += a_text.size();
		}

		spdlog::details::file_helper _file;
		std::size_t _limit;
		std::size_t _written{ 0 };
		bool _stopped{ false };
	};

	using bounded_file_sink_mt = bounded_file_sink<std::mutex>;
	using bounded_file_sink_st = bounded_file_sink<spdlog::details::null_mutex>;
}
