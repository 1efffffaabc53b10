#include "FailingAllocations.h"

#include <cstdlib>
#include <new>

namespace
{
	thread_local int t_iFailing = 0;

	void* Allocate(std::size_t a_size)
	{
		if (t_iFailing > 0) {
			--t_iFailing;
			throw std::bad_alloc();
		}
		if (void* memory = std::malloc(a_size ? a_size : 1)) {
			return memory;
		}
		throw std::bad_alloc();
	}
}

void* operator new(std::size_t a_size)
{
	return Allocate(a_size);
}
void* operator new[](std::size_t a_size)
{
	return Allocate(a_size);
}
void operator delete(void* a_memory) noexcept
{
	std::free(a_memory);
}
void operator delete[](void* a_memory) noexcept
{
	std::free(a_memory);
}
void operator delete(void* a_memory, std::size_t) noexcept
{
	std::free(a_memory);
}
void operator delete[](void* a_memory, std::size_t) noexcept
{
	std::free(a_memory);
}

namespace test
{
	ScopedFailingAllocations::ScopedFailingAllocations(int a_count) noexcept
	{
		t_iFailing = a_count;
	}

	ScopedFailingAllocations::~ScopedFailingAllocations()
	{
		t_iFailing = 0;
	}
}
