#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace REL
{
	class Segment
	{
	public:
		enum Name : std::size_t
		{
			textx,
			idata,
			rdata,
			data,
			pdata,
			tls,
			textw,
			gfids,
			total
		};

		constexpr Segment() noexcept = default;
		constexpr Segment(std::uintptr_t a_proxyBase, std::uintptr_t a_address, std::size_t a_size) noexcept :
			_proxyBase(a_proxyBase), _address(a_address), _size(a_size)
		{}

		constexpr std::uintptr_t address() const noexcept { return _address; }
		constexpr std::size_t offset() const noexcept { return _address - _proxyBase; }
		constexpr std::size_t size() const noexcept { return _size; }
		constexpr std::uintptr_t proxy_base() const noexcept { return _proxyBase; }

		friend constexpr bool operator==(const Segment&, const Segment&) noexcept = default;

	private:
		std::uintptr_t _proxyBase{ 0 };
		std::uintptr_t _address{ 0 };
		std::size_t _size{ 0 };
	};

	namespace detail
	{
		// The well-known sections of a PE image mapped at a_base, by the
		// rules of the segment table: name prefix and required
		// characteristics, first matching row wins, only the first eight
		// section headers count. Pure code: reads memory, calls nothing.
		std::array<Segment, Segment::total> read_segments(std::uintptr_t a_base) noexcept;

		// The size of the image mapped at a_base, headers included, as its
		// optional header gives it.
		std::size_t read_image_size(std::uintptr_t a_base) noexcept;
	}
}
