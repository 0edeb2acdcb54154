// The windowed kernel sums of kernel types 1 to 3 with AVX2 and FMA: the
// arithmetic around the exponential, the exponential itself and the products
// run four arguments wide while the additions keep their order, so the work
// of the next four terms overlaps the chain of additions.

#include "engine/KernelSumAvx2.h"

#include "engine/ExpAvx2.h"
#include "engine/KernelFormulas.h"

#include <cmath>

namespace spln {

namespace {

// Kernel(type, (x - q) / b) in each lane, by the formulas of KernelFormulas.h
// in the same order, with the exponential of ExpNeg.
template <int type>
__attribute__((target("avx2,fma"))) inline __m256d Kernel4(__m256d x, __m256d b, __m256d q)
{
    const __m256d u = _mm256_div_pd(_mm256_sub_pd(x, q), b);
    if constexpr (type == 3) {
        const __m256d a = _mm256_andnot_pd(_mm256_set1_pd(-0.0), u);
        const __m256d d = avx2::ExpNeg(a);
        const __m256d one = _mm256_set1_pd(1.0);
        // LogisticNear(d), then LogisticSelect(a, d, near).
        const __m256d near =
            _mm256_div_pd(one, _mm256_add_pd(_mm256_add_pd(d, _mm256_div_pd(one, d)), _mm256_set1_pd(2.0)));
        return _mm256_blendv_pd(near, d, _mm256_cmp_pd(a, _mm256_set1_pd(15.0), _CMP_GT_OQ));
    } else {
        // ExpNegSquare(GaussianArgument(u)).
        const __m256d z = _mm256_div_pd(u, _mm256_set1_pd(std::sqrt(2.0)));
        const __m256d e = avx2::ExpNeg(_mm256_mul_pd(z, z));
        if constexpr (type == 1)
            return e;
        // Type2Kernel(u, e).
        const __m256d square = _mm256_mul_pd(u, u);
        const __m256d v = _mm256_sub_pd(square, _mm256_set1_pd(4.0));
        const __m256d k =
            _mm256_mul_pd(_mm256_mul_pd(e, _mm256_mul_pd(_mm256_mul_pd(v, v), v)), _mm256_set1_pd(kType2Factor));
        return _mm256_blendv_pd(k, _mm256_setzero_pd(), _mm256_cmp_pd(square, _mm256_set1_pd(4.0), _CMP_GE_OQ));
    }
}

template <int type>
__attribute__((target("avx2,fma"))) double Sum(double x, double b, const double* p, const double* q, int first,
                                               int last)
{
    const __m256d vx = _mm256_set1_pd(x);
    const __m256d vb = _mm256_set1_pd(b);
    double sum = 0.0;
    alignas(32) double terms[4];
    int i = first;
    for (; i + 3 <= last; i += 4) {
        const __m256d k = Kernel4<type>(vx, vb, _mm256_loadu_pd(q + i));
        _mm256_store_pd(terms, _mm256_mul_pd(_mm256_loadu_pd(p + i), k));
        sum = sum + terms[0];
        sum = sum + terms[1];
        sum = sum + terms[2];
        sum = sum + terms[3];
    }
    if (i > last)
        return sum;
    // The last one to three terms; the padding lanes are computed and dropped.
    alignas(32) double qs[4] = {x, x, x, x};
    alignas(32) double ps[4] = {0.0, 0.0, 0.0, 0.0};
    const int count = last - i + 1;
    for (int l = 0; l < count; ++l) {
        qs[l] = q[i + l];
        ps[l] = p[i + l];
    }
    const __m256d k = Kernel4<type>(vx, vb, _mm256_load_pd(qs));
    _mm256_store_pd(terms, _mm256_mul_pd(_mm256_load_pd(ps), k));
    for (int l = 0; l < count; ++l)
        sum = sum + terms[l];
    return sum;
}

}  // namespace

__attribute__((target("avx2,fma"))) double WindowedKernelSumAvx2Fma(int type, double x, double b, const double* p,
                                                                    const double* q, int first, int last)
{
    switch (type) {
    case 1:
        return Sum<1>(x, b, p, q, first, last);
    case 2:
        return Sum<2>(x, b, p, q, first, last);
    default:
        return Sum<3>(x, b, p, q, first, last);
    }
}

}  // namespace spln
