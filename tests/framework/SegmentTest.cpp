#include <gtest/gtest.h>

#include "PeImageBuilder.h"
#include "REL/Segment.h"

namespace
{
	using REL::Segment;
	using test::kSectionCode;
	using test::kSectionExecute;
	using test::kSectionRead;
	using test::kSectionWrite;

	std::uintptr_t base_of(const std::vector<std::uint8_t>& a_image)
	{
		return reinterpret_cast<std::uintptr_t>(a_image.data());
	}

	TEST(ModuleSegments, FillsEachSlotFromItsSectionWithBaseAddressAndSize)
	{
		// clang-format off
		const auto image = test::PeImageBuilder()
		                       .section({ ".text", 0x1000, 0x5000, kSectionCode | kSectionExecute | kSectionRead })
		                       .section({ ".rdata", 0x6000, 0x800, kSectionRead })
		                       .section({ ".data", 0x7000, 0x300, kSectionRead | kSectionWrite })
		                       .section({ ".pdata", 0x8000, 0x120, kSectionRead })
		                       .section({ ".tls", 0x9000, 0x10, kSectionRead | kSectionWrite })
		                       .build();
		// clang-format on
		const auto base = base_of(image);
		const auto segments = REL::detail::read_segments(base);

		EXPECT_EQ(segments[Segment::textx], Segment(base, base + 0x1000, 0x5000));
		EXPECT_EQ(segments[Segment::rdata], Segment(base, base + 0x6000, 0x800));
		EXPECT_EQ(segments[Segment::data], Segment(base, base + 0x7000, 0x300));
		EXPECT_EQ(segments[Segment::pdata], Segment(base, base + 0x8000, 0x120));
		EXPECT_EQ(segments[Segment::tls], Segment(base, base + 0x9000, 0x10));
		EXPECT_EQ(segments[Segment::idata], Segment());
		EXPECT_EQ(segments[Segment::textw], Segment());
		EXPECT_EQ(segments[Segment::gfids], Segment());
		EXPECT_EQ(segments[Segment::textx].offset(), 0x1000u);
	}

	TEST(ModuleSegments, TextNeedsTheExecutableBitForSlot0AndTheWritableBitForSlot6)
	{
		{
			const auto image = test::PeImageBuilder().section({ ".text", 0x1000, 0x100, kSectionRead }).build();
			const auto segments = REL::detail::read_segments(base_of(image));
			EXPECT_EQ(segments[Segment::textx], Segment()) << "a .text that isn't executable";
			EXPECT_EQ(segments[Segment::textw], Segment());
		}
		{
			const auto image = test::PeImageBuilder().section({ ".text", 0x1000, 0x100, kSectionWrite }).build();
			const auto base = base_of(image);
			const auto segments = REL::detail::read_segments(base);
			EXPECT_EQ(segments[Segment::textx], Segment());
			EXPECT_EQ(segments[Segment::textw], Segment(base, base + 0x1000, 0x100));
		}
		{
			// Executable and writable: the first matching row wins.
			const auto image = test::PeImageBuilder().section({ ".text", 0x1000, 0x100, kSectionExecute | kSectionWrite }).build();
			const auto base = base_of(image);
			const auto segments = REL::detail::read_segments(base);
			EXPECT_EQ(segments[Segment::textx], Segment(base, base + 0x1000, 0x100));
			EXPECT_EQ(segments[Segment::textw], Segment());
		}
	}

	TEST(ModuleSegments, NamesMatchByPrefixAndLaterSectionsOverwrite)
	{
		// clang-format off
		const auto image = test::PeImageBuilder()
		                       .section({ ".data", 0x1000, 0x10, kSectionRead })
		                       .section({ ".text", 0x2000, 0x20, kSectionExecute })
		                       .section({ ".textbss", 0x3000, 0x30, kSectionExecute })  // begins with ".text"
		                       .section({ ".dat", 0x4000, 0x40, kSectionRead })          // shorter than ".data": no match
		                       .build();
		// clang-format on
		const auto base = base_of(image);
		const auto segments = REL::detail::read_segments(base);
		EXPECT_EQ(segments[Segment::textx], Segment(base, base + 0x3000, 0x30));
		EXPECT_EQ(segments[Segment::data], Segment(base, base + 0x1000, 0x10));
	}

	TEST(ModuleSegments, OnlyTheFirstEightSectionHeadersAreExamined)
	{
		test::PeImageBuilder builder;
		for (std::uint32_t i = 0; i < 8; ++i) {
			builder.section({ ".rsrc", 0x1000 * (i + 1), 0x10, kSectionRead });
		}
		builder.section({ ".gfids", 0x9000, 0x10, kSectionRead });
		builder.section({ ".text", 0xA000, 0x10, kSectionExecute });
		const auto image = builder.build();
		const auto segments = REL::detail::read_segments(base_of(image));
		EXPECT_EQ(segments[Segment::gfids], Segment());
		EXPECT_EQ(segments[Segment::textx], Segment());
	}

	TEST(ModuleSegments, FollowsTheNtHeaderOffsetAndOptionalHeaderSize)
	{
		// clang-format off
		const auto image = test::PeImageBuilder()
		                       .nt_offset(0x100)
		                       .optional_header_size(0x20)
		                       .section({ ".gfids", 0x5000, 0x44, kSectionRead })
		                       .build();
		// clang-format on
		const auto base = base_of(image);
		EXPECT_EQ(REL::detail::read_segments(base)[Segment::gfids], Segment(base, base + 0x5000, 0x44));
	}
}
