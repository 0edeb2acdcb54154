#pragma once

// Regions of code compiled for one instruction set: every function defined
// between SPLN_BEGIN_TARGET_AVX2 (or _AVX512) and SPLN_END_TARGET is compiled
// for that set, and runs only where the processor has it (VectorExp.cpp
// checks before it calls into a region). A file that opens a region includes
// every standard and project header with functions of its own first, so that
// nothing but the region's own code is compiled for the set.

#if defined(__clang__)
#define SPLN_BEGIN_TARGET_AVX2 \
    _Pragma("clang attribute push(__attribute__((target(\"avx2,fma\"))), apply_to = function)")
#define SPLN_BEGIN_TARGET_AVX512 \
    _Pragma("clang attribute push(__attribute__((target(\"avx512f\"))), apply_to = function)")
#define SPLN_END_TARGET _Pragma("clang attribute pop")
#else
#define SPLN_BEGIN_TARGET_AVX2 _Pragma("GCC push_options") _Pragma("GCC target(\"avx2,fma\")")
#define SPLN_BEGIN_TARGET_AVX512 _Pragma("GCC push_options") _Pragma("GCC target(\"avx512f\")")
#define SPLN_END_TARGET _Pragma("GCC pop_options")
#endif
