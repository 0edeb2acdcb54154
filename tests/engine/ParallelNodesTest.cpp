// Smoothing and expansion shared among worker threads give the plain loops' bits.

#include "engine/CSplineEngine.h"
#include "engine/NodeSmoothing.h"
#include "engine/Noise.h"
#include "engine/WorkerPool.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <vector>

using namespace spln;
using namespace spln::test;

namespace {

struct Samples {
    std::vector<double> x, y, nodes;
};

// Residual-like data on the run's sample grid and accumulated nodes.
Samples MakeSamples(int n, int m)
{
    Samples s;
    const double step = 2.0 / (n - 1);
    for (int i = 0; i < n; ++i) {
        const double x = -1.0 + i * step;
        s.x.push_back(x);
        s.y.push_back(std::sin(7.0 * x) * 0.3 + (i % 3 == 0 ? -0.01 : 0.02));
    }
    double node = -1.0;
    for (int j = 0; j < m; ++j) {
        s.nodes.push_back(node);
        node = node + 2.0 / (m - 1);
    }
    return s;
}

void ExpectSameBitsAsKernelSmooth(const Samples& s, int type, int window)
{
    auto e = MakeEngine();
    const int n = static_cast<int>(s.x.size());
    const int m = static_cast<int>(s.nodes.size());
    const double b = window * (2.0 / (n - 1));
    std::vector<double> fast(s.nodes.size());
    SmoothAtNodes(*e, type, n, b, s.y.data(), s.x.data(), s.nodes.data(), m, fast.data());
    for (std::size_t j = 0; j < fast.size(); ++j) {
        const double plain = e->KernelSmooth(type, n, s.nodes[j], b, s.y.data(), s.x.data());
        ASSERT_TRUE(SameBits(fast[j], plain)) << "type " << type << " window " << window << " node " << j;
    }
}

}  // namespace

TEST(ParallelNodes, SameBitsAsThePlainSmoothing)
{
    const Samples s = MakeSamples(10000, 501);
    for (int type = 1; type <= 4; ++type) {
        ExpectSameBitsAsKernelSmooth(s, type, 500);
        ExpectSameBitsAsKernelSmooth(s, type, 37);
    }
}

TEST(ParallelNodes, NonFiniteValuesStillSpreadAsInThePlainSum)
{
    // p * 0 is NaN for an infinite value: the type-2 sum must not leave it out.
    // Sample 2000 lies in the window of node 0 but far beyond two bandwidths.
    Samples s = MakeSamples(10000, 101);
    s.y[2000] = std::numeric_limits<double>::infinity();
    ExpectSameBitsAsKernelSmooth(s, 2, 300);
    auto e = MakeEngine();
    std::vector<double> out(101);
    SmoothAtNodes(*e, 2, 10000, 300 * 2.0 / 9999, s.y.data(), s.x.data(), s.nodes.data(), 101, out.data());
    EXPECT_TRUE(std::isnan(out[0]));
}

TEST(ParallelNodes, WholeRunsMatchTheSingleThreadedPath)
{
    struct Case {
        int method, type, window, count;
    };
    // The heaviest run of every kernel and basis, and lighter ones (the last
    // of the projections shares only its expansion).
    for (const Case c : {Case{1, 1, 500, 501}, Case{1, 2, 500, 501}, Case{1, 3, 500, 501}, Case{1, 4, 500, 501},
                         Case{1, 3, 120, 301}, Case{1, 4, 1, 15}, Case{2, 1, 500, 51}, Case{2, 2, 500, 51},
                         Case{2, 3, 500, 51}, Case{2, 4, 500, 51}, Case{2, 5, 500, 51}, Case{2, 1, 250, 40}}) {
        auto parallel = MakeEngine();
        auto single = MakeEngine();
        for (auto* e : {parallel.get(), single.get()}) {
            e->m_nMethod = c.method;
            e->m_nWindow = c.window;
            e->m_nExample = 9;
            e->m_dAmplitude = 0.2;
            if (c.method == 1) {
                e->m_nSchwarzType = c.type;
                e->m_nSchwarzCount = c.count;
            } else {
                e->m_nLsqType = c.type;
                e->m_nLsqCount = c.count;
            }
        }
        ResetNoise(99);
        parallel->Run();
        EnableParallelNodes(false);
        ResetNoise(99);
        single->Run();
        EnableParallelNodes(true);
        for (int k = 0; k < 640; ++k)
            ASSERT_TRUE(SameBits(parallel->m_dApprox[k], single->m_dApprox[k]))
                << "method " << c.method << " type " << c.type << " point " << k;
        EXPECT_STREQ(parallel->m_szReport, single->m_szReport);
    }
}

TEST(WorkerPoolUse, EveryItemOnceAndBusyPoolDeclines)
{
    WorkerPool& pool = WorkerPool::Instance();
    std::vector<int> hits(1000, 0);
    auto mark = [](void* context, int begin, int end) {
        int* h = static_cast<int*>(context);
        for (int i = begin; i < end; ++i)
            ++h[i];
    };
    const bool ran = pool.TryRun(1000, 7, mark, hits.data());
    EXPECT_EQ(ran, pool.WorkerCount() > 0);
    if (ran) {
        for (std::size_t i = 0; i < hits.size(); ++i)
            ASSERT_EQ(hits[i], 1) << i;
    }

    // While a loop is running the pool declines another one, whoever asks.
    std::atomic<int> nestedRuns{0};
    auto nested = [](void* context, int, int) {
        auto& runs = *static_cast<std::atomic<int>*>(context);
        auto nothing = [](void*, int, int) {};
        if (WorkerPool::Instance().TryRun(10, 1, nothing, nullptr))
            ++runs;
    };
    pool.TryRun(50, 1, nested, &nestedRuns);
    EXPECT_EQ(nestedRuns.load(), 0);
}
