#include <gtest/gtest.h>

#include "ValueCheck.h"

namespace
{
	TEST(ValueCheck, AnEmptyTextLeavesTheDefault)
	{
		EXPECT_EQ(CheckValueText(IniValueKind::kFloat, "").eReading, ValueReading::kEmpty);
	}
}
