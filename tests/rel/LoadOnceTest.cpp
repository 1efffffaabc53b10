#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "REL/IDDatabase.h"

namespace
{
	TEST(AddressLibraryLoadOnce, ThreadsRacingToTheFirstResolutionLoadOnceAndAllSeeTheLoad)
	{
		for (int round = 0; round < 20; ++round) {
			std::atomic<bool> loaded{ false };
			std::mutex mutex;
			std::atomic<int> loads{ 0 };
			std::atomic<bool> finished{ false };
			std::atomic<int> sawUnfinished{ 0 };
			std::atomic<bool> go{ false };

			std::vector<std::thread> threads;
			for (int i = 0; i < 8; ++i) {
				threads.emplace_back([&] {
					while (!go.load()) {
						std::this_thread::yield();
					}
					REL::detail::load_once(loaded, mutex, [&] {
						++loads;
						// Long enough for the others to queue on the mutex.
						std::this_thread::sleep_for(std::chrono::milliseconds(5));
						finished = true;
					});
					if (!finished.load()) {
						++sawUnfinished;
					}
				});
			}
			go = true;
			for (auto& thread : threads) {
				thread.join();
			}
			EXPECT_EQ(loads.load(), 1);
			EXPECT_EQ(sawUnfinished.load(), 0);
			EXPECT_TRUE(loaded.load());
		}
	}

	TEST(AddressLibraryLoadOnce, ALoadThatFailsByThrowingLeavesTheFlagClearForTheNextTry)
	{
		std::atomic<bool> loaded{ false };
		std::mutex mutex;
		EXPECT_THROW(REL::detail::load_once(loaded, mutex, [] { throw std::runtime_error("no file"); }), std::runtime_error);
		EXPECT_FALSE(loaded.load());
		int loads = 0;
		REL::detail::load_once(loaded, mutex, [&] { ++loads; });
		REL::detail::load_once(loaded, mutex, [&] { ++loads; });
		EXPECT_EQ(loads, 1);
	}
}
