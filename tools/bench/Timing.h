#pragma once
// Timing whole runs for the benches: each run in milliseconds, and the
// median and longest of several.
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace bench
{
	struct Times
	{
		double dMedian;
		double dLongest;
	};

	inline Times Summarize(std::vector<double> a_milliseconds)
	{
		std::sort(a_milliseconds.begin(), a_milliseconds.end());
		return { a_milliseconds[a_milliseconds.size() / 2], a_milliseconds.back() };
	}

	inline double Milliseconds(const std::function<void()>& a_run)
	{
		const auto start = std::chrono::steady_clock::now();
		a_run();
		return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
	}
}
