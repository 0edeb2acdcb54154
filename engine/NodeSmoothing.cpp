// Kernel smoothing at many nodes, in the plain loop or shared among worker threads.

#include "engine/NodeSmoothing.h"

#include "engine/CSplineEngine.h"
#include "engine/Projection.h"
#include "engine/WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace spln {

namespace {

// Below this many kernel terms handing the nodes to the workers costs more than it saves.
constexpr double kParallelTerms = 200000.0;
constexpr int kNodesPerGroup = 8;
constexpr int kNodesPerChunk = 2 * kNodesPerGroup;

std::atomic<bool> g_parallelNodes{true};

struct NodeJob {
    double halfWidth;
    int type;
    int n;
    double b;
    const double* values;
    const double* abscissae;
    const double* nodes;
    double* out;
    bool increasingAndFinite;
};

// The nodes begin..end-1, a group at a time: their sums run side by side.
void SmoothNodes(void* context, int begin, int end)
{
    const NodeJob& job = *static_cast<const NodeJob*>(context);
    for (int j = begin; j < end; j += kNodesPerGroup) {
        const int count = std::min(kNodesPerGroup, end - j);
        IndexWindow windows[kNodesPerGroup];
        for (int g = 0; g < count; ++g)
            windows[g] = SmoothingWindow(job.halfWidth, job.type, job.n, job.nodes[j + g], job.b, job.abscissae,
                                         job.increasingAndFinite);
        double sums[kNodesPerGroup];
        WindowedKernelSums(job.type, count, job.nodes + j, job.b, job.values, job.abscissae, windows, sums);
        for (int g = 0; g < count; ++g)
            job.out[j + g] = SmoothingResult(job.halfWidth, job.type, job.n, job.b, sums[g]);
    }
}

bool IncreasingAndFinite(const double* values, const double* abscissae, int n)
{
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(values[i]))
            return false;
        if (i > 0 && !(abscissae[i] > abscissae[i - 1]))
            return false;
    }
    return true;
}

}  // namespace

void SmoothAtNodes(const CSplineEngine& engine, int type, int n, double b, const double* values,
                   const double* abscissae, const double* nodes, int count, double* out)
{
    // Only the type-2 kernel's window is narrowed; the others need not look at the data.
    NodeJob job{engine.m_dHalfWidth,
                type,
                n,
                b,
                values,
                abscissae,
                nodes,
                out,
                type == 2 && IncreasingAndFinite(values, abscissae, n)};
    const double spacing = (job.halfWidth - (-job.halfWidth)) / (n - 1);
    const double termsPerNode = std::min<double>(n, 2.0 * SmoothingHalfWidth(b, spacing) + 3.0);
    if (count * termsPerNode >= kParallelTerms)
        RunShared(count, kNodesPerChunk, SmoothNodes, &job);
    else
        SmoothNodes(&job, 0, count);
}

void RunShared(int count, int chunk, WorkerPool::RangeFunction fn, void* context)
{
    if (g_parallelNodes.load(std::memory_order_relaxed) && WorkerPool::Instance().TryRun(count, chunk, fn, context))
        return;
    fn(context, 0, count);
}

void EnableParallelNodes(bool enabled)
{
    g_parallelNodes.store(enabled, std::memory_order_relaxed);
}

}  // namespace spln
