#pragma once
// The game functions' record of their calls: which function, in which order,
// with which arguments (each widened to 64 bits: integers and pointers as
// they are, floats as their bit pattern). Every game function reports here
// first, so this is also where a test makes one of them fail.
#include <bit>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace sim
{
	struct Call
	{
		std::string_view function;
		std::vector<std::uint64_t> arguments;
	};

	template <class T>
	std::uint64_t widen(T a_value) noexcept
	{
		if constexpr (std::is_pointer_v<T>) {
			return reinterpret_cast<std::uintptr_t>(a_value);
		} else if constexpr (std::is_same_v<T, float>) {
			return std::bit_cast<std::uint32_t>(a_value);
		} else {
			return static_cast<std::uint64_t>(a_value);
		}
	}

	// An argument recorded from a float parameter.
	inline float as_float(std::uint64_t a_argument) noexcept
	{
		return std::bit_cast<float>(static_cast<std::uint32_t>(a_argument));
	}

	// What a failing game function throws: no std::exception, so only a
	// handler that catches everything stops it.
	struct GameFault
	{
		std::string function;
	};

	class CallLog
	{
	public:
		template <class... Args>
		void record(std::string_view a_function, Args... a_arguments)
		{
			{
				// The game calls from its threads and the event thread at once.
				const std::lock_guard lock(_mutex);
				_calls.push_back({ a_function, { widen(a_arguments)... } });
				++_totals[a_function];
				if (_failing.empty() || _failing != a_function) {
					return;
				}
				_failing.clear();
			}
			throw GameFault{ std::string(a_function) };
		}

		// The next call of a_function is recorded, then throws a GameFault;
		// the calls after it answer as usual. An empty name fails nothing.
		void fail_next(std::string_view a_function)
		{
			const std::lock_guard lock(_mutex);
			_failing = a_function;
		}

		const std::vector<Call>& all() const noexcept { return _calls; }
		// How often a_function was called since the log was made: clear()
		// leaves this count, so that a long run can clear the calls and
		// still count them.
		std::size_t total(std::string_view a_function)
		{
			const std::lock_guard lock(_mutex);
			const auto found = _totals.find(a_function);
			return found == _totals.end() ? 0 : found->second;
		}
		// The functions called, in order.
		std::vector<std::string_view> names() const;
		// The calls of one function, in order.
		std::vector<Call> of(std::string_view a_function) const;
		void clear() noexcept
		{
			const std::lock_guard lock(_mutex);
			_calls.clear();
		}

	private:
		std::mutex _mutex;
		std::vector<Call> _calls;
		std::map<std::string_view, std::size_t> _totals;  // the names are the functions' own literals
		std::string _failing;
	};
}
