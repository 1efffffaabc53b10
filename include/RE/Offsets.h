#pragma once
// Reading the game's objects at fixed byte offsets. The game's types are not
// ours to define member by member: each view reads exactly the bytes it
// names, at the offset the game puts them, and nothing else.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace RE::detail
{
	// The value of type T at a_offset bytes into the object at a_object.
	template <class T>
	T read_at(const void* a_object, std::size_t a_offset) noexcept
	{
		T value;
		std::memcpy(&value, static_cast<const std::byte*>(a_object) + a_offset, sizeof(T));
		return value;
	}

	// The address a_offset bytes into the object at a_object.
	template <class T = void>
	T* address_at(const void* a_object, std::size_t a_offset) noexcept
	{
		return reinterpret_cast<T*>(const_cast<std::byte*>(static_cast<const std::byte*>(a_object) + a_offset));
	}

	// The function in the byte slot a_offset of the object's virtual table.
	template <class F>
	F virtual_function(const void* a_object, std::size_t a_offset) noexcept
	{
		const auto* table = read_at<const std::byte*>(a_object, 0);
		return read_at<F>(table, a_offset);
	}
}
