// The vector paths with AVX2 and FMA: the generic code on four doubles.

// GCC 12 takes the deliberately undefined start value inside the gather
// intrinsics for an uninitialised variable.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include "engine/VectorOpsAvx2.h"
#include "engine/VectorPaths.h"
#include "engine/VectorTarget.h"

#include <cmath>
#include <cstddef>

SPLN_BEGIN_TARGET_AVX2
#include "engine/ExpCore.h"
#include "engine/KernelFormulas.h"
#include "engine/KernelSumLanes.h"
#include "engine/VectorPathFunctions.h"

const spln::detail::PathFunctions spln::detail::kAvx2FmaFunctions = spln::lanes::PathFunctionsOf<spln::avx2::Ops>();
SPLN_END_TARGET
