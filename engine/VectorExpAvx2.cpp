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

__attribute__((target("avx2,fma"))) inline __m256d Exp4(__m256d x, __m256i& special)
{
    const __m256i top = _mm256_and_si256(_mm256_srli_epi64(_mm256_castpd_si256(x), 52), _mm256_set1_epi64x(0x7ff));
    special = _mm256_or_si256(_mm256_cmpgt_epi64(_mm256_set1_epi64x(kTopTiny), top),
                              _mm256_cmpgt_epi64(top, _mm256_set1_epi64x(kTopLarge - 1)));

    __m256d kd = _mm256_fmadd_pd(x, _mm256_set1_pd(t::kInvLn2N), _mm256_set1_pd(t::kShift));
    const __m256i ki = _mm256_castpd_si256(kd);
    kd = _mm256_sub_pd(kd, _mm256_set1_pd(t::kShift));
    __m256d r = _mm256_fmadd_pd(kd, _mm256_set1_pd(t::kNegLn2HiN), x);
    r = _mm256_fmadd_pd(kd, _mm256_set1_pd(t::kNegLn2LoN), r);

    const __m256i idx = _mm256_slli_epi64(_mm256_and_si256(ki, _mm256_set1_epi64x((1 << t::kTableBits) - 1)), 1);
    const auto* table = reinterpret_cast<const long long*>(t::kTable);
    const __m256d tail = _mm256_castsi256_pd(_mm256_i64gather_epi64(table, idx, 8));
    const __m256i head = _mm256_i64gather_epi64(table + 1, idx, 8);
    const __m256d scale = _mm256_castsi256_pd(_mm256_add_epi64(head, _mm256_slli_epi64(ki, 52 - t::kTableBits)));

    const __m256d r2 = _mm256_mul_pd(r, r);
    const __m256d low = _mm256_fmadd_pd(r, _mm256_set1_pd(t::kC3), _mm256_set1_pd(t::kC2));
    const __m256d high = _mm256_fmadd_pd(r, _mm256_set1_pd(t::kC5), _mm256_set1_pd(t::kC4));
    __m256d tmp = _mm256_add_pd(tail, r);
    tmp = _mm256_fmadd_pd(r2, low, tmp);
    tmp = _mm256_fmadd_pd(_mm256_mul_pd(r2, r2), high, tmp);
    return _mm256_fmadd_pd(scale, tmp, scale);
}

}  // namespace

__attribute__((target("avx2,fma"))) void ExpBlockAvx2Fma(const double* x, double* y, int n)
{
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m256d in = _mm256_loadu_pd(x + i);
        __m256i special;
        const __m256d out = Exp4(in, special);
        const int specialLanes = _mm256_movemask_pd(_mm256_castsi256_pd(special));
        if (specialLanes == 0) {
            _mm256_storeu_pd(y + i, out);
            continue;
        }
        alignas(32) double args[4];
        _mm256_store_pd(args, in);
        _mm256_storeu_pd(y + i, out);
        for (int l = 0; l < 4; ++l) {
            if ((specialLanes >> l) & 1)
                y[i + l] = std::exp(args[l]);
        }
    }
    if (i == n)
        return;
    // The last few arguments, padded with an ordinary one.
    alignas(32) double args[4] = {0.5, 0.5, 0.5, 0.5};
    const int lanes = n - i;
    for (int l = 0; l < lanes; ++l)
        args[l] = x[i + l];
    __m256i special;
    alignas(32) double out[4];
    _mm256_store_pd(out, Exp4(_mm256_load_pd(args), special));
    const int specialLanes = _mm256_movemask_pd(_mm256_castsi256_pd(special));
    for (int l = 0; l < lanes; ++l)
        y[i + l] = (specialLanes >> l) & 1 ? std::exp(args[l]) : out[l];
}

}  // namespace spln::detail
