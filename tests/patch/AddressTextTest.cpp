// Addresses as the log shows them, absolute and relative to the game.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <fmt/format.h>

#include "Helpers/AddressText.h"
#include "Logging.h"
#include "PatchTest.h"
#include "sim/GameIndex.h"

namespace
{
	using testing::ElementsAre;
	using testing::IsEmpty;
	using AddressText = test::PatchTest;

	struct TextCase
	{
		std::uint64_t address;
		bool relative;
		std::string text;
	};

	TEST_F(AddressText, BothFormsWithoutPrefixOrLeadingZeros)
	{
		const std::uint64_t base = sim::game_base();
		const auto baseText = fmt::format("{:X}", base);
		const TextCase cases[]{
			{ 0, false, "" },
			{ 0, true, "" },
			{ 0xA0F0, false, "A0F0" },
			{ 0x5, false, "5" },
			{ 0xFFFFFFFFFFFFFFFF, false, "FFFFFFFFFFFFFFFF" },
			{ base, false, baseText },
			{ base + 0x10, true, "Starfield.exe + 0x10" },
			{ base + 0x1F0, true, "Starfield.exe + 0x1F0" },
			{ sim::exit_anywhere_site(), true, fmt::format("Starfield.exe + 0x{:X}", sim::exit_anywhere_site() - base) },
		};
		for (const auto& c : cases) {
			EXPECT_EQ(GetAddressAsHex(c.address, c.relative), c.text) << c.address;
		}
		EXPECT_NE(baseText.front(), '0');
		EXPECT_THAT(Entries(), IsEmpty());
	}

	TEST_F(AddressText, AnAddressNotAboveTheGameIsShownAbsoluteWithOneErrorLine)
	{
		const std::uint64_t base = sim::game_base();
		EXPECT_EQ(GetAddressAsHex(base, true), fmt::format("{:X}", base));
		EXPECT_EQ(GetAddressAsHex(base - 0x100, true), fmt::format("{:X}", base - 0x100));
		EXPECT_THAT(Entries(), ElementsAre("error: [GetAddressAsHex] calculated offset <= 0 --> [0]",
								   "error: [GetAddressAsHex] calculated offset <= 0 --> [-256]"));

		bLogging = false;
		EXPECT_EQ(GetAddressAsHex(base, true), fmt::format("{:X}", base));
		EXPECT_EQ(Entries().size(), 2u);
	}
}
