#include <gtest/gtest.h>

#include "ProfileSvg.h"

namespace
{
	TEST(ProfileSvg, AnEmptyListIsStillAPage)
	{
		EXPECT_NE(DrawProfilesSvg({}).find("<svg"), std::string::npos);
	}
}
