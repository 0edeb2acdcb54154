#include "engine/NodeSmoothing.h"

#include "engine/CSplineEngine.h"

namespace spln {

void SmoothAtNodes(const CSplineEngine& engine, int type, int n, double b, const double* values,
                   const double* abscissae, const double* nodes, int count, double* out)
{
    for (int j = 0; j < count; ++j)
        out[j] = engine.KernelSmooth(type, n, nodes[j], b, values, abscissae);
}

}  // namespace spln
