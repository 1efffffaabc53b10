#pragma once
// A counted pointer to a game object, one pointer wide so that the game can
// fill it; empty when null. It gives its reference back when emptied.
#include <utility>

namespace RE
{
	template <class T>
	class NiPointer
	{
	public:
		constexpr NiPointer() noexcept = default;
		~NiPointer() { reset(); }

		NiPointer(const NiPointer&) = delete;
		NiPointer& operator=(const NiPointer&) = delete;
		NiPointer(NiPointer&& a_other) noexcept :
			_ptr(std::exchange(a_other._ptr, nullptr))
		{}
		NiPointer& operator=(NiPointer&& a_other) noexcept
		{
			if (this != &a_other) {
				reset();
				_ptr = std::exchange(a_other._ptr, nullptr);
			}
			return *this;
		}

		T* get() const noexcept { return _ptr; }
		T* operator->() const noexcept { return _ptr; }
		explicit operator bool() const noexcept { return _ptr != nullptr; }

		// Releases the reference held (T::Release) and empties the pointer.
		void reset()
		{
			if (auto* ptr = std::exchange(_ptr, nullptr)) {
				T::Release(ptr);
			}
		}

	private:
		T* _ptr{ nullptr };
	};
}
