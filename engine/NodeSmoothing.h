#pragma once

// Kernel smoothing at many nodes at once, and loops of independent items shared among worker threads.

#include "engine/WorkerPool.h"

class CSplineEngine;

namespace spln {

// out[j] = engine.KernelSmooth(type, n, nodes[j], b, values, abscissae) for
// j = 0..count-1. The nodes are independent of each other, so they may be
// shared among worker threads; every node's sum keeps its own order, and the
// results are bit for bit those of the plain loop.
void SmoothAtNodes(const CSplineEngine& engine, int type, int n, double b, const double* values,
                   const double* abscissae, const double* nodes, int count, double* out);

// Whether SmoothAtNodes and RunShared may hand items to worker threads
// (default true). Off, every item is computed on the calling thread; the
// results are the same bits.
void EnableParallelNodes(bool enabled);

// Runs fn over the independent items 0..count-1, in chunks of the given size
// shared with the workers where enabled and the pool is free, else on the
// calling thread alone.
void RunShared(int count, int chunk, WorkerPool::RangeFunction fn, void* context);

}  // namespace spln
