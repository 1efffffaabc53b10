#include "REL/Segment.h"

#include <cstring>
#include <string_view>

namespace REL::detail
{
	namespace
	{
		template <class T>
		T read_at(std::uintptr_t a_address) noexcept
		{
			T value;
			std::memcpy(&value, reinterpret_cast<const void*>(a_address), sizeof(T));
			return value;
		}

		struct SegmentRule
		{
			std::string_view name;
			std::uint32_t requiredCharacteristics;
		};

		constexpr std::uint32_t kExecutable = 0x20000000;
		constexpr std::uint32_t kWritable = 0x80000000;

		constexpr std::array<SegmentRule, Segment::total> kRules{ {
			{ ".text", kExecutable },
			{ ".idata", 0 },
			{ ".rdata", 0 },
			{ ".data", 0 },
			{ ".pdata", 0 },
			{ ".tls", 0 },
			{ ".text", kWritable },
			{ ".gfids", 0 },
		} };

		constexpr std::size_t kOptionalHeaderOffset = 24;
		constexpr std::size_t kSizeOfImageOffset = 56;
		constexpr std::size_t kSectionHeaderSize = 40;
		constexpr std::size_t kMaxSections = 8;
	}

	std::array<Segment, Segment::total> read_segments(std::uintptr_t a_base) noexcept
	{
		std::array<Segment, Segment::total> segments{};

		const auto ntHeaders = a_base + read_at<std::uint32_t>(a_base + 0x3C);
		const auto sectionCount = read_at<std::uint16_t>(ntHeaders + 6);
		const auto optionalHeaderSize = read_at<std::uint16_t>(ntHeaders + 20);
		const auto firstSection = ntHeaders + kOptionalHeaderOffset + optionalHeaderSize;

		const std::size_t examined = std::min<std::size_t>(sectionCount, kMaxSections);
		for (std::size_t i = 0; i < examined; ++i) {
			const auto header = firstSection + i * kSectionHeaderSize;
			const auto virtualSize = read_at<std::uint32_t>(header + 8);
			const auto virtualAddress = read_at<std::uint32_t>(header + 12);
			const auto characteristics = read_at<std::uint32_t>(header + 36);
			const std::string_view name(reinterpret_cast<const char*>(header), 8);

			for (std::size_t slot = 0; slot < kRules.size(); ++slot) {
				const auto& rule = kRules[slot];
				if (name.substr(0, rule.name.size()) == rule.name &&
					(characteristics & rule.requiredCharacteristics) == rule.requiredCharacteristics) {
					segments[slot] = Segment(a_base, a_base + virtualAddress, virtualSize);
					break;
				}
			}
		}
		return segments;
	}

	std::size_t read_image_size(std::uintptr_t a_base) noexcept
	{
		const auto ntHeaders = a_base + read_at<std::uint32_t>(a_base + 0x3C);
		return read_at<std::uint32_t>(ntHeaders + kOptionalHeaderOffset + kSizeOfImageOffset);
	}
}
