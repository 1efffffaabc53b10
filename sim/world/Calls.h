#pragma once
// The game functions' record of their calls: which function, in which order,
// with which arguments (each widened to 64 bits: integers and pointers as
// they are, floats as their bit pattern).
#include <bit>
#include <cstdint>
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

	class CallLog
	{
	public:
		template <class... Args>
		void record(std::string_view a_function, Args... a_arguments)
		{
			_calls.push_back({ a_function, { widen(a_arguments)... } });
		}

		const std::vector<Call>& all() const noexcept { return _calls; }
		// The functions called, in order.
		std::vector<std::string_view> names() const;
		// The calls of one function, in order.
		std::vector<Call> of(std::string_view a_function) const;
		void clear() noexcept { _calls.clear(); }

	private:
		std::vector<Call> _calls;
	};
}
