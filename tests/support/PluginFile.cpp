#include "PluginFile.h"

#include <atomic>
#include <chrono>
#include <fstream>

#include <gtest/gtest.h>

namespace test
{
	void WritePluginFile(const std::filesystem::path& a_folder, std::string_view a_name, std::string_view a_bytes)
	{
		// Failures are reported, never thrown: a worker thread may write.
		const auto file = a_folder / a_name;
		{
			std::ofstream out(file, std::ios::binary | std::ios::trunc);
			out.write(a_bytes.data(), static_cast<std::streamsize>(a_bytes.size()));
			out.close();
			if (!out.good()) {
				ADD_FAILURE() << "can't write " << file;
				return;
			}
		}
		// A second apart, counted from a year back: never a time the clock
		// gives a file the plugin writes itself, nor one given before.
		static const auto yearAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 365);
		static std::atomic<int> writes{ 0 };
		std::error_code error;
		std::filesystem::last_write_time(file, yearAgo + std::chrono::seconds(++writes), error);
		if (error) {
			ADD_FAILURE() << "can't set the write time of " << file << ": " << error.message();
		}
	}
}
