// ExpBlock four arguments wide with AVX2 and FMA.
//
// The operations are the C library's exp in its FMA build, one for one:
// x = k ln2/128 + r, 2^(k/128) = H (1 + T) from the table, and
// e^x = H + H (T + r + r^2 (C2 + r C3) + r^4 (C4 + r C5)), with the
// multiply-adds fused exactly where that build fuses them. Changing any of
// them, or their order, changes the last bit of some results.

#include "engine/ExpTable.h"
#include "engine/VectorExpPaths.h"

#include <immintrin.h>

#include <cmath>
#include <cstdint>

namespace spln::detail {

namespace {

namespace t = exp_table;

// Biased exponents bounding the arguments the main path serves: 2^-54 <= |x| < 512.
constexpr long long kTopTiny = 0x3c9;
constexpr long long kTopLarge = 0x408;

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

// Four results of ExpBlock (negate false) or ExpNegBlock (negate true) from in into y.
template <bool negate>
__attribute__((target("avx2,fma"))) inline void Four(__m256d in, double* y)
{
    __m256d x = in;
    __m256d beyond = _mm256_setzero_pd();
    if (negate) {
        // Lanes beyond the cut-off get 0 without their exponential being taken.
        beyond = _mm256_cmp_pd(in, _mm256_set1_pd(100.0), _CMP_GT_OQ);
        x = _mm256_blendv_pd(_mm256_xor_pd(in, _mm256_set1_pd(-0.0)), _mm256_set1_pd(-1.0), beyond);
    }
    int special;
    __m256d out = Exp4(x, special);
    if (negate)
        out = _mm256_blendv_pd(out, _mm256_setzero_pd(), beyond);
    const int cut = _mm256_movemask_pd(beyond);
    _mm256_storeu_pd(y, out);
    special &= ~cut;
    if (special == 0)
        return;
    alignas(32) double args[4];
    _mm256_store_pd(args, x);
    for (int l = 0; l < 4; ++l) {
        if ((special >> l) & 1)
            y[l] = std::exp(args[l]);
    }
}

template <bool negate>
__attribute__((target("avx2,fma"))) inline void Block(const double* in, double* y, int n)
{
    int i = 0;
    for (; i + 4 <= n; i += 4)
        Four<negate>(_mm256_loadu_pd(in + i), y + i);
    if (i == n)
        return;
    // The last few arguments, padded with an ordinary one.
    alignas(32) double args[4] = {0.5, 0.5, 0.5, 0.5};
    alignas(32) double out[4];
    for (int l = 0; l < n - i; ++l)
        args[l] = in[i + l];
    Four<negate>(_mm256_load_pd(args), out);
    for (int l = 0; l < n - i; ++l)
        y[i + l] = out[l];
}

}  // namespace

__attribute__((target("avx2,fma"))) void ExpBlockAvx2Fma(const double* x, double* y, int n)
{
    Block<false>(x, y, n);
}

__attribute__((target("avx2,fma"))) void ExpNegBlockAvx2Fma(const double* a, double* y, int n)
{
    Block<true>(a, y, n);
}

}  // namespace spln::detail
