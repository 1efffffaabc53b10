#pragma once
// Allocations that fail on demand: a test executable that uses this gets a
// global operator new that throws std::bad_alloc, as a process out of memory
// would, for the next allocations of the thread of a ScopedFailingAllocations.
namespace test
{
	class ScopedFailingAllocations
	{
	public:
		explicit ScopedFailingAllocations(int a_count) noexcept;
		~ScopedFailingAllocations();
		ScopedFailingAllocations(const ScopedFailingAllocations&) = delete;
		ScopedFailingAllocations& operator=(const ScopedFailingAllocations&) = delete;
	};
}
