#pragma once
// A game version: four 16-bit components, compared component by component.
// Pure code, no Windows calls.
#include <array>
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace REL
{
	class Version
	{
	public:
		using value_type = std::uint16_t;

		constexpr Version() noexcept = default;
		constexpr Version(value_type a_major, value_type a_minor = 0, value_type a_patch = 0, value_type a_build = 0) noexcept :
			_impl{ a_major, a_minor, a_patch, a_build }
		{}

		constexpr value_type operator[](std::size_t a_idx) const noexcept { return _impl[a_idx]; }
		constexpr value_type major() const noexcept { return _impl[0]; }
		constexpr value_type minor() const noexcept { return _impl[1]; }
		constexpr value_type patch() const noexcept { return _impl[2]; }
		constexpr value_type build() const noexcept { return _impl[3]; }

		// "1.14.70.0" with ".", "1-14-70-0" with "-".
		std::string string(std::string_view a_separator = ".") const;

		friend constexpr bool operator==(const Version&, const Version&) noexcept = default;
		friend constexpr std::strong_ordering operator<=>(const Version&, const Version&) noexcept = default;

	private:
		std::array<value_type, 4> _impl{};
	};

	// A product version text such as "1.14.70.0": up to four "."-separated
	// decimal pieces, each keeping its low 16 bits; missing pieces are 0,
	// further pieces are ignored. A piece that isn't a number throws
	// std::invalid_argument, one beyond 32 bits std::out_of_range.
	Version parse_version_text(std::wstring_view a_text);
}
