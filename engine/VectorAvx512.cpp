// The vector paths with AVX-512: the generic code on eight doubles.

// GCC 12 takes the deliberately undefined start values inside the AVX-512
// intrinsics (_mm512_undefined_*) for uninitialised variables; without
// optimisation its gathers are macros that hand their all-ones mask to the
// builtin as a plain char, which -Wsign-conversion reports here.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#ifndef __OPTIMIZE__
#pragma GCC diagnostic ignored "-Wsign-conversion"
#endif
#endif

#include "engine/VectorOpsAvx512.h"
#include "engine/VectorPaths.h"
#include "engine/VectorTarget.h"

#include <cmath>
#include <cstddef>

SPLN_BEGIN_TARGET_AVX512
#include "engine/ExpCore.h"
#include "engine/KernelFormulas.h"
#include "engine/KernelSumLanes.h"
#include "engine/VectorPathFunctions.h"

const spln::detail::PathFunctions spln::detail::kAvx512Functions = spln::lanes::PathFunctionsOf<spln::avx512::Ops>();
SPLN_END_TARGET
