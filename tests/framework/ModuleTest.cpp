#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include "PeImageBuilder.h"
#include "REL/Module.h"
#include "TestLog.h"
#include "sim/platform/MessageBoxes.h"

namespace
{
	using REL::Segment;
	using REL::Version;

	std::optional<Version> probe_version(const wchar_t* a_name)
	{
		return REL::get_file_version((test::executable_folder() / a_name).wstring());
	}

	TEST(ModuleVersion, ReadsTheProductVersionOfTheVersionResource)
	{
		EXPECT_EQ(probe_version(L"version_probe_short.dll"), Version(1, 14, 70, 0));
		EXPECT_EQ(probe_version(L"version_probe_long.dll"), Version(1, 14, 70, 0));
		EXPECT_EQ(probe_version(L"version_probe_empty.dll"), Version(0, 0, 0, 0));
		EXPECT_EQ(probe_version(L"version_probe_wide.dll"), Version(1, 4464, 65535, 0));
	}

	TEST(ModuleVersion, AFileWithoutVersionResourceHasNone)
	{
		EXPECT_EQ(REL::get_file_version((test::executable_folder() / L"CTestTestfile.cmake").wstring()), std::nullopt);
		EXPECT_EQ(REL::get_file_version(L"C:\\no\\such\\file.exe"), std::nullopt);
	}

	TEST(ModuleOfTheGame, DescribesTheRunningExecutable)
	{
		const auto& game = REL::Module::get();
		EXPECT_EQ(game.base(), reinterpret_cast<std::uintptr_t>(::GetModuleHandleW(nullptr)));
		EXPECT_EQ(game.version(), Version(1, 14, 70, 0));
		EXPECT_THAT(std::string(REL::get_process_path()), testing::EndsWith("framework_tests.exe"));
		EXPECT_THAT(game.filename(), testing::EndsWith(L"framework_tests.exe"));

		const auto text = game.segment(Segment::textx);
		EXPECT_GT(text.size(), 0u);
		// This very function is code of the game's executable section.
		const auto here = reinterpret_cast<std::uintptr_t>(&probe_version);
		EXPECT_GE(here, text.address());
		EXPECT_LT(here, text.address() + text.size());
	}

	TEST(ModuleOfTheGame, HandleFlagBitsNameTheSameModule)
	{
		const auto base = reinterpret_cast<std::uintptr_t>(::GetModuleHandleW(nullptr));
		auto& plain = REL::Module::get(base);
		EXPECT_EQ(&REL::Module::get(base | 1), &plain);
		EXPECT_EQ(&REL::Module::get(base | 2), &plain);
		EXPECT_EQ(&REL::Module::get(base | 3), &plain);
		EXPECT_EQ(&REL::Module::get(), &plain);
	}

	TEST(ModuleOfTheGame, ASyntheticImageGetsItsOwnSegmentsAndTheProcessVersion)
	{
		// clang-format off
		const auto image = test::PeImageBuilder()
		                       .section({ ".text", 0x1000, 0x200, test::kSectionExecute | test::kSectionWrite })
		                       .build();
		// clang-format on
		const auto base = reinterpret_cast<std::uintptr_t>(image.data());
		const auto& module = REL::Module::get(base);
		EXPECT_EQ(module.base(), base);
		EXPECT_EQ(module.segment(Segment::textx), Segment(base, base + 0x1000, 0x200));
		EXPECT_EQ(module.segment(Segment::textw), Segment());
		EXPECT_EQ(module.version(), Version(1, 14, 70, 0));
	}

	TEST(ModuleDeathTest, ANullBaseIsFatal)
	{
		EXPECT_EXIT(
			{
				sim::capture_message_boxes(::GetModuleHandleW(nullptr));
				REL::Module::get(std::uintptr_t{ 2 });  // flag bits only
			},
			testing::ExitedWithCode(1),
			testing::HasSubstr("Module.cpp("));
		EXPECT_EXIT(
			{
				sim::capture_message_boxes(::GetModuleHandleW(nullptr));
				REL::Module::get("C:\\not\\loaded.exe");
			},
			testing::ExitedWithCode(1),
			testing::HasSubstr("): failed to initializing module info with null module base"));
	}
}
