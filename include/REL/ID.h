#pragma once
// Game functions, globals and code sites by address-library ID: the address
// is the game executable's base plus the ID's offset in the address library,
// which is loaded at the first resolution.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <utility>

namespace REL
{
	class ID
	{
	public:
		constexpr ID() noexcept = default;
		constexpr explicit ID(std::uint64_t a_id) noexcept :
			_id(a_id)
		{}

		constexpr std::uint64_t id() const noexcept { return _id; }

		// Loads the address library if nothing has yet; an ID it lacks is
		// fatal.
		std::uint64_t offset() const;
		// The game's base, looked up anew, plus offset().
		std::uintptr_t address() const;

		friend constexpr bool operator==(ID, ID) noexcept = default;

	private:
		std::uint64_t _id{ 0 };
	};

	namespace detail
	{
		std::uintptr_t game_base();

		// Functions are held as function pointers.
		template <class T>
		using relocation_value_t = std::conditional_t<std::is_function_v<T>, std::add_pointer_t<T>, T>;
	}

	// An address worked out once, when the object is made. T is the pointer
	// type the address is seen as: a function (pointer), or a pointer to the
	// global or data item. A function-local static relocation resolves at
	// its first use.
	template <class T>
	class Relocation
	{
	public:
		using value_type = detail::relocation_value_t<T>;
		static_assert(std::is_pointer_v<value_type>, "a relocation is seen through a pointer type");

		constexpr Relocation() noexcept = default;
		constexpr explicit Relocation(std::uintptr_t a_address) noexcept :
			_address(a_address)
		{}
		explicit Relocation(ID a_id) :
			_address(a_id.address())
		{}
		// A code site: a_displacement bytes into the function with a_id.
		Relocation(ID a_id, std::ptrdiff_t a_displacement) :
			_address(a_id.address() + static_cast<std::uintptr_t>(a_displacement))
		{}

		constexpr std::uintptr_t address() const noexcept { return _address; }
		std::uintptr_t offset() const { return _address - detail::game_base(); }

		value_type get() const noexcept { return reinterpret_cast<value_type>(_address); }

		decltype(auto) operator*() const noexcept
			requires(!std::is_function_v<std::remove_pointer_t<value_type>> && !std::is_void_v<std::remove_pointer_t<value_type>>)
		{
			return *get();
		}

		value_type operator->() const noexcept
			requires(std::is_class_v<std::remove_pointer_t<value_type>>)
		{
			return get();
		}

		template <class... Args>
		decltype(auto) operator()(Args&&... a_args) const
			requires(std::is_invocable_v<value_type, Args...>)
		{
			return std::invoke(get(), std::forward<Args>(a_args)...);
		}

	private:
		std::uintptr_t _address{ 0 };
	};
}
