#pragma once

// The exponential four arguments wide with AVX2 and FMA, for functions
// compiled for that target and called only where the guard accepted it.
//
// The operations are the C library's exp in its FMA build, one for one:
// x = k ln2/128 + r, 2^(k/128) = H (1 + T) from the table, and
// e^x = H + H (T + r + r^2 (C2 + r C3) + r^4 (C4 + r C5)), with the
// multiply-adds fused exactly where that build fuses them. Changing any of
// them, or their order, changes the last bit of some results.

#include "engine/ExpTable.h"

#include <immintrin.h>

#include <cmath>

namespace spln::avx2 {

namespace t = exp_table;

// Biased exponents bounding the arguments the main path serves: 2^-54 <= |x| < 512.
inline constexpr long long kTopTiny = 0x3c9;
inline constexpr long long kTopLarge = 0x408;

// e^x in each lane; special marks the lanes the caller must take from std::exp.
__attribute__((target("avx2,fma"))) inline __m256d Exp4(__m256d x, int& special)
{
    const __m256i top = _mm256_and_si256(_mm256_srli_epi64(_mm256_castpd_si256(x), 52), _mm256_set1_epi64x(0x7ff));
    const __m256i outside = _mm256_or_si256(_mm256_cmpgt_epi64(_mm256_set1_epi64x(kTopTiny), top),
                                            _mm256_cmpgt_epi64(top, _mm256_set1_epi64x(kTopLarge - 1)));
    special = _mm256_movemask_pd(_mm256_castsi256_pd(outside));

    __m256d kd = _mm256_fmadd_pd(x, _mm256_set1_pd(t::kInvLn2N), _mm256_set1_pd(t::kShift));
    const __m256i ki = _mm256_castpd_si256(kd);
    kd = _mm256_sub_pd(kd, _mm256_set1_pd(t::kShift));
    __m256d r = _mm256_fmadd_pd(kd, _mm256_set1_pd(t::kNegLn2HiN), x);
    r = _mm256_fmadd_pd(kd, _mm256_set1_pd(t::kNegLn2LoN), r);

    // Each table entry is a (tail, head) pair in 16 bytes: four pair loads
    // and two unpacks cost less than two gathers on many processors.
    alignas(32) long long index[4];
    _mm256_store_si256(reinterpret_cast<__m256i*>(index),
                       _mm256_and_si256(ki, _mm256_set1_epi64x((1 << t::kTableBits) - 1)));
    const auto* pairs = reinterpret_cast<const double*>(t::kTable);
    const __m256d pair02 = _mm256_insertf128_pd(_mm256_castpd128_pd256(_mm_load_pd(pairs + 2 * index[0])),
                                                _mm_load_pd(pairs + 2 * index[2]), 1);
    const __m256d pair13 = _mm256_insertf128_pd(_mm256_castpd128_pd256(_mm_load_pd(pairs + 2 * index[1])),
                                                _mm_load_pd(pairs + 2 * index[3]), 1);
    const __m256d tail = _mm256_unpacklo_pd(pair02, pair13);
    const __m256i head = _mm256_castpd_si256(_mm256_unpackhi_pd(pair02, pair13));
    const __m256d scale = _mm256_castsi256_pd(_mm256_add_epi64(head, _mm256_slli_epi64(ki, 52 - t::kTableBits)));

    const __m256d r2 = _mm256_mul_pd(r, r);
    const __m256d low = _mm256_fmadd_pd(r, _mm256_set1_pd(t::kC3), _mm256_set1_pd(t::kC2));
    const __m256d high = _mm256_fmadd_pd(r, _mm256_set1_pd(t::kC5), _mm256_set1_pd(t::kC4));
    __m256d tmp = _mm256_add_pd(tail, r);
    tmp = _mm256_fmadd_pd(r2, low, tmp);
    tmp = _mm256_fmadd_pd(_mm256_mul_pd(r2, r2), high, tmp);
    return _mm256_fmadd_pd(scale, tmp, scale);
}

// Replaces the marked lanes of value with std::exp of the same lanes of x.
__attribute__((target("avx2,fma"))) inline __m256d PatchSpecialLanes(__m256d value, __m256d x, int special)
{
    alignas(32) double args[4];
    alignas(32) double out[4];
    _mm256_store_pd(args, x);
    _mm256_store_pd(out, value);
    for (int l = 0; l < 4; ++l) {
        if ((special >> l) & 1)
            out[l] = std::exp(args[l]);
    }
    return _mm256_load_pd(out);
}

// std::exp in each lane, to the bit.
__attribute__((target("avx2,fma"))) inline __m256d Exp(__m256d x)
{
    int special;
    const __m256d out = Exp4(x, special);
    return special == 0 ? out : PatchSpecialLanes(out, x, special);
}

// ExpNeg in each lane, to the bit: e^(-a), and 0 without evaluating e^(-a) where a > 100.
__attribute__((target("avx2,fma"))) inline __m256d ExpNeg(__m256d a)
{
    const __m256d beyond = _mm256_cmp_pd(a, _mm256_set1_pd(100.0), _CMP_GT_OQ);
    const __m256d x = _mm256_blendv_pd(_mm256_xor_pd(a, _mm256_set1_pd(-0.0)), _mm256_set1_pd(-1.0), beyond);
    int special;
    __m256d out = Exp4(x, special);
    special &= ~_mm256_movemask_pd(beyond);
    if (special != 0)
        out = PatchSpecialLanes(out, x, special);
    return _mm256_blendv_pd(out, _mm256_setzero_pd(), beyond);
}

}  // namespace spln::avx2
