#pragma once

// Kernel smoothing at many nodes at once, shared among worker threads.

class CSplineEngine;

namespace spln {

// out[j] = engine.KernelSmooth(type, n, nodes[j], b, values, abscissae) for
// j = 0..count-1. The nodes are independent of each other, so they may be
// shared among worker threads; every node's sum keeps its own order, and the
// results are bit for bit those of the plain loop.
void SmoothAtNodes(const CSplineEngine& engine, int type, int n, double b, const double* values,
                   const double* abscissae, const double* nodes, int count, double* out);

// Whether SmoothAtNodes may hand nodes to worker threads (default true). Off,
// it computes every node on the calling thread; the results are the same bits.
void EnableParallelNodes(bool enabled);

}  // namespace spln
