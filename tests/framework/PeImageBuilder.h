#pragma once
// Builds minimal PE images in memory: the DOS header's NT offset, the file
// header's section count and optional-header size, and the section table.
// Enough for code that locates sections the way the loader lays them out.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace test
{
	struct SectionSpec
	{
		std::string name;  // up to 8 bytes, zero-padded
		std::uint32_t virtualAddress;
		std::uint32_t virtualSize;
		std::uint32_t characteristics;
	};

	inline constexpr std::uint32_t kSectionCode = 0x00000020;
	inline constexpr std::uint32_t kSectionExecute = 0x20000000;
	inline constexpr std::uint32_t kSectionRead = 0x40000000;
	inline constexpr std::uint32_t kSectionWrite = 0x80000000;

	class PeImageBuilder
	{
	public:
		PeImageBuilder& nt_offset(std::uint32_t a_offset)
		{
			_ntOffset = a_offset;
			return *this;
		}
		PeImageBuilder& optional_header_size(std::uint16_t a_size)
		{
			_optionalHeaderSize = a_size;
			return *this;
		}
		PeImageBuilder& section(SectionSpec a_section)
		{
			_sections.push_back(std::move(a_section));
			return *this;
		}

		// The image; stays valid as long as the returned vector lives.
		std::vector<std::uint8_t> build() const
		{
			const std::size_t sectionTable = _ntOffset + 24 + _optionalHeaderSize;
			std::vector<std::uint8_t> image(sectionTable + 40 * _sections.size() + 16, 0);
			image[0] = 'M';
			image[1] = 'Z';
			put32(image, 0x3C, _ntOffset);
			put32(image, _ntOffset, 0x00004550);  // "PE\0\0"
			put16(image, _ntOffset + 4, 0x8664);
			put16(image, _ntOffset + 6, static_cast<std::uint16_t>(_sections.size()));
			put16(image, _ntOffset + 20, _optionalHeaderSize);
			for (std::size_t i = 0; i < _sections.size(); ++i) {
				const auto header = sectionTable + 40 * i;
				const auto& s = _sections[i];
				std::memcpy(&image[header], s.name.data(), std::min<std::size_t>(s.name.size(), 8));
				put32(image, header + 8, s.virtualSize);
				put32(image, header + 12, s.virtualAddress);
				put32(image, header + 36, s.characteristics);
			}
			return image;
		}

	private:
		static void put16(std::vector<std::uint8_t>& a_image, std::size_t a_at, std::uint16_t a_value) { std::memcpy(&a_image[a_at], &a_value, 2); }
		static void put32(std::vector<std::uint8_t>& a_image, std::size_t a_at, std::uint32_t a_value) { std::memcpy(&a_image[a_at], &a_value, 4); }

		std::uint32_t _ntOffset{ 0x80 };
		std::uint16_t _optionalHeaderSize{ 0xF0 };
		std::vector<SectionSpec> _sections;
	};
}
