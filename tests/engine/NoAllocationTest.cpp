// A run allocates nothing once the worker threads have started: every
// operator new of this test program is counted while a run is in progress.

#include "engine/CSplineEngine.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> g_counting{false};
std::atomic<int> g_allocations{0};
}  // namespace

void* operator new(std::size_t size)
{
    if (g_counting.load(std::memory_order_relaxed))
        g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

// These replacements are the matching deallocation of the operator new above;
// GCC takes the free() of a pointer that came from new for a mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
#pragma GCC diagnostic pop

namespace {

int AllocationsDuringRun(CSplineEngine& engine)
{
    g_allocations = 0;
    g_counting = true;
    engine.Run();
    g_counting = false;
    return g_allocations;
}

}  // namespace

TEST(NoAllocation, CounterSeesAllocations)
{
    g_allocations = 0;
    g_counting = true;
    void* volatile block = ::operator new(16);  // a direct call cannot be elided
    ::operator delete(block);
    g_counting = false;
    EXPECT_EQ(g_allocations, 1);
}

TEST(NoAllocation, RunsOfEveryKindAllocateNothing)
{
    using namespace spln::test;
    auto e = MakeEngine();
    e->m_nWindow = 500;
    e->m_nSchwarzCount = 501;
    e->Run();  // starts the worker threads
    ASSERT_EQ(e->m_eFailure, spln::RunFailure::None);
    EXPECT_EQ(AllocationsDuringRun(*e), 0);

    e->m_nMethod = 2;
    e->m_nLsqCount = 51;
    EXPECT_EQ(AllocationsDuringRun(*e), 0);

    TempDir dir;
    std::vector<double> numbers;
    for (int i = 0; i < spln::kFileSamples; ++i)
        numbers.push_back(0.001 * i);
    UseSampleFile(*e, dir.Write("sig.dat", NumbersText(numbers)));
    e->m_nWindow = 3;
    EXPECT_EQ(AllocationsDuringRun(*e), 0);
    EXPECT_EQ(e->m_eFailure, spln::RunFailure::None);
}
