// ExpBlock and ExpNegBlock four arguments wide with AVX2 and FMA.

#include "engine/ExpAvx2.h"
#include "engine/VectorExpPaths.h"

namespace spln::detail {

namespace {

template <bool negate>
__attribute__((target("avx2,fma"))) inline __m256d Four(__m256d x)
{
    if constexpr (negate)
        return avx2::ExpNeg(x);
    else
        return avx2::Exp(x);
}

// ExpBlock (negate false) or ExpNegBlock (negate true) from in into y.
template <bool negate>
__attribute__((target("avx2,fma"))) inline void Block(const double* in, double* y, int n)
{
    int i = 0;
    for (; i + 4 <= n; i += 4)
        _mm256_storeu_pd(y + i, Four<negate>(_mm256_loadu_pd(in + i)));
    if (i == n)
        return;
    // The last few arguments, padded with an ordinary one.
    alignas(32) double args[4] = {0.5, 0.5, 0.5, 0.5};
    alignas(32) double out[4];
    for (int l = 0; l < n - i; ++l)
        args[l] = in[i + l];
    _mm256_store_pd(out, Four<negate>(_mm256_load_pd(args)));
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
