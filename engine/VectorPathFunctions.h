#pragma once

// The table of a vector path's functions, from the generic code instantiated
// with one instruction set's vocabulary. Included inside that set's target
// region, after ExpCore.h, KernelFormulas.h and KernelSumLanes.h.

#include "engine/VectorPaths.h"

namespace spln::lanes {

template <class V>
constexpr detail::PathFunctions PathFunctionsOf()
{
    if constexpr (V::kFusedIntegratedGaussians)
        return {ExpBlock<V, false>, ExpBlock<V, true>, KernelSums<V>, IntegratedGaussianSums<V>, ExpNegAndDivideBlock<V>};
    else
        return {ExpBlock<V, false>, ExpBlock<V, true>, KernelSums<V>, nullptr, ExpNegAndDivideBlock<V>};
}

}  // namespace spln::lanes
