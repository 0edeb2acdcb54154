// ExpBlock eight arguments wide with AVX-512: the same operations, in the
// same order and with the same fused multiply-adds, as the AVX2 path.

#include "engine/ExpTable.h"
#include "engine/VectorExpPaths.h"

#include <immintrin.h>

#include <cmath>
#include <cstdint>

// GCC 12 reports the undefined start value inside _mm512_set1_* as possibly
// uninitialised; without optimisation its gathers are macros that hand their
// all-ones mask to the builtin as a plain char, which -Wsign-conversion reports here.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#ifndef __OPTIMIZE__
#pragma GCC diagnostic ignored "-Wsign-conversion"
#endif
#endif

namespace spln::detail {

namespace {

namespace t = exp_table;

// Biased exponents bounding the arguments the main path serves: 2^-54 <= |x| < 512.
constexpr long long kTopTiny = 0x3c9;
constexpr long long kTopLarge = 0x408;

__attribute__((target("avx512f"))) inline __m512d Exp8(__m512d x, __mmask8& special)
{
    const __m512i top = _mm512_and_si512(_mm512_srli_epi64(_mm512_castpd_si512(x), 52), _mm512_set1_epi64(0x7ff));
    special = _mm512_cmplt_epi64_mask(top, _mm512_set1_epi64(kTopTiny)) |
              _mm512_cmpge_epi64_mask(top, _mm512_set1_epi64(kTopLarge));

    __m512d kd = _mm512_fmadd_pd(x, _mm512_set1_pd(t::kInvLn2N), _mm512_set1_pd(t::kShift));
    const __m512i ki = _mm512_castpd_si512(kd);
    kd = _mm512_sub_pd(kd, _mm512_set1_pd(t::kShift));
    __m512d r = _mm512_fmadd_pd(kd, _mm512_set1_pd(t::kNegLn2HiN), x);
    r = _mm512_fmadd_pd(kd, _mm512_set1_pd(t::kNegLn2LoN), r);

    const __m512i idx = _mm512_slli_epi64(_mm512_and_si512(ki, _mm512_set1_epi64((1 << t::kTableBits) - 1)), 1);
    const auto* table = reinterpret_cast<const long long*>(t::kTable);
    const __m512d tail = _mm512_castsi512_pd(_mm512_i64gather_epi64(idx, table, 8));
    const __m512i head = _mm512_i64gather_epi64(idx, table + 1, 8);
    const __m512d scale = _mm512_castsi512_pd(_mm512_add_epi64(head, _mm512_slli_epi64(ki, 52 - t::kTableBits)));

    const __m512d r2 = _mm512_mul_pd(r, r);
    const __m512d low = _mm512_fmadd_pd(r, _mm512_set1_pd(t::kC3), _mm512_set1_pd(t::kC2));
    const __m512d high = _mm512_fmadd_pd(r, _mm512_set1_pd(t::kC5), _mm512_set1_pd(t::kC4));
    __m512d tmp = _mm512_add_pd(tail, r);
    tmp = _mm512_fmadd_pd(r2, low, tmp);
    tmp = _mm512_fmadd_pd(_mm512_mul_pd(r2, r2), high, tmp);
    return _mm512_fmadd_pd(scale, tmp, scale);
}

// Eight results of ExpBlock (negate false) or ExpNegBlock (negate true) from in into y.
template <bool negate>
__attribute__((target("avx512f"))) inline void Eight(__m512d in, double* y)
{
    __m512d x = in;
    __mmask8 cut = 0;
    if (negate) {
        // Lanes beyond the cut-off get 0 without their exponential being taken.
        cut = _mm512_cmp_pd_mask(in, _mm512_set1_pd(100.0), _CMP_GT_OQ);
        x = _mm512_mask_blend_pd(
            cut, _mm512_castsi512_pd(_mm512_xor_si512(_mm512_castpd_si512(in), _mm512_set1_epi64(INT64_MIN))),
            _mm512_set1_pd(-1.0));
    }
    __mmask8 special;
    __m512d out = Exp8(x, special);
    if (negate)
        out = _mm512_mask_blend_pd(cut, out, _mm512_setzero_pd());
    _mm512_storeu_pd(y, out);
    special &= static_cast<__mmask8>(~cut);
    if (special == 0)
        return;
    alignas(64) double args[8];
    _mm512_store_pd(args, x);
    for (int l = 0; l < 8; ++l) {
        if ((special >> l) & 1)
            y[l] = std::exp(args[l]);
    }
}

template <bool negate>
__attribute__((target("avx512f"))) inline void Block(const double* in, double* y, int n)
{
    int i = 0;
    for (; i + 8 <= n; i += 8)
        Eight<negate>(_mm512_loadu_pd(in + i), y + i);
    if (i == n)
        return;
    // The last few arguments, padded with an ordinary one.
    alignas(64) double args[8] = {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5};
    alignas(64) double out[8];
    for (int l = 0; l < n - i; ++l)
        args[l] = in[i + l];
    Eight<negate>(_mm512_load_pd(args), out);
    for (int l = 0; l < n - i; ++l)
        y[i + l] = out[l];
}

}  // namespace

__attribute__((target("avx512f"))) void ExpBlockAvx512(const double* x, double* y, int n)
{
    Block<false>(x, y, n);
}

__attribute__((target("avx512f"))) void ExpNegBlockAvx512(const double* a, double* y, int n)
{
    Block<true>(a, y, n);
}

}  // namespace spln::detail
