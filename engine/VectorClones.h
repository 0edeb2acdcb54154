#pragma once

// Marks a loop of plain IEEE arithmetic to be compiled twice, for AVX2 and
// for the baseline, the version picked at load time: division,
// multiplication, addition, square root and comparison are exact at any
// width (and no multiply-add is fused), so both give the same bits. The
// thread sanitizer cannot run the resolver that picks the version, so its
// builds keep the baseline one, as do builds without the vector paths.
#if defined(__SANITIZE_THREAD__) || !SPLN_VECTOR_PATHS
#define SPLN_VECTOR_CLONES
#else
#define SPLN_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#endif
