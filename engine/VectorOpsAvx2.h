#pragma once

// The vocabulary of vector operations on four doubles with AVX2 and FMA, for
// the generic code of ExpCore.h and KernelSumLanes.h. Each operation is one
// IEEE operation per lane (MulAdd rounds once, as a fused multiply-add does).

#include "engine/ExpTable.h"
#include "engine/VectorTarget.h"

#include <immintrin.h>

#include <cstdint>

SPLN_BEGIN_TARGET_AVX2

namespace spln::avx2 {

struct Ops {
    static constexpr int kLanes = 4;
    // How many nodes' windowed sums of the kernel type run side by side
    // (KernelSumLanes.h): as many as the sixteen registers hold with the next
    // vectors' divisions in flight; the logistic kernel's three divisions leave room for one.
    static constexpr int NodesAtOnce(int type) { return type == 3 ? 1 : 2; }
    // Whether the kernel type's sums take kLanes nodes at once, turned into
    // lanes (KernelSumLanes.h): faster for the types whose terms cost more
    // than the exponential alone; the Gaussian's run faster side by side (measured).
    static constexpr bool Transposed(int type) { return type != 1; }
    // Whether the expansion in integrated Gaussians runs fused, one output
    // point a lane: with four lanes the block path is faster (measured).
    static constexpr bool kFusedIntegratedGaussians = false;
    using Vec = __m256d;   // doubles
    using Int = __m256i;   // 64-bit integers
    using Mask = __m256d;  // a lane is all ones where a comparison holds

    static Vec Set(double v) { return _mm256_set1_pd(v); }
    static Int SetInt(std::int64_t v) { return _mm256_set1_epi64x(v); }
    static Vec Load(const double* p) { return _mm256_loadu_pd(p); }
    static void Store(double* p, Vec v) { _mm256_storeu_pd(p, v); }
    // base[index[l]] in lane l.
    static Vec Gather(const double* base, const int* index)
    {
        return _mm256_i32gather_pd(base, _mm_loadu_si128(reinterpret_cast<const __m128i*>(index)), 8);
    }

    static Vec Add(Vec a, Vec b) { return _mm256_add_pd(a, b); }
    static Vec Sub(Vec a, Vec b) { return _mm256_sub_pd(a, b); }
    static Vec Mul(Vec a, Vec b) { return _mm256_mul_pd(a, b); }
    static Vec Div(Vec a, Vec b) { return _mm256_div_pd(a, b); }
    static Vec MulAdd(Vec a, Vec b, Vec c) { return _mm256_fmadd_pd(a, b, c); }
    static Vec NegMulAdd(Vec a, Vec b, Vec c) { return _mm256_fnmadd_pd(a, b, c); }  // c - a b, rounded once
    static Vec MulSub(Vec a, Vec b, Vec c) { return _mm256_fmsub_pd(a, b, c); }      // a b - c, rounded once
    // The lesser of a and b, and b where either is a NaN.
    static Vec Min(Vec a, Vec b) { return _mm256_min_pd(a, b); }
    static Vec Abs(Vec a) { return _mm256_andnot_pd(_mm256_set1_pd(-0.0), a); }
    static Vec Neg(Vec a) { return _mm256_xor_pd(a, _mm256_set1_pd(-0.0)); }

    static Mask Less(Vec a, Vec b) { return _mm256_cmp_pd(a, b, _CMP_LT_OQ); }
    static Mask Greater(Vec a, Vec b) { return _mm256_cmp_pd(a, b, _CMP_GT_OQ); }
    static Mask GreaterEqual(Vec a, Vec b) { return _mm256_cmp_pd(a, b, _CMP_GE_OQ); }
    static Mask Or(Mask a, Mask b) { return _mm256_or_pd(a, b); }
    static unsigned LaneBits(Mask m) { return static_cast<unsigned>(_mm256_movemask_pd(m)); }
    static Vec Select(Mask m, Vec yes, Vec no) { return _mm256_blendv_pd(no, yes, m); }

    static Int Bits(Vec v) { return _mm256_castpd_si256(v); }
    static Vec FromBits(Int i) { return _mm256_castsi256_pd(i); }
    static Int And(Int a, Int b) { return _mm256_and_si256(a, b); }
    static Int AddInt(Int a, Int b) { return _mm256_add_epi64(a, b); }
    // The lanes whose value, 0 <= value < 2^63, lies outside [low, end):
    // below low the difference's sign bit is set.
    static unsigned OutsideRange(Int value, std::int64_t low, std::int64_t end)
    {
        const Int offset = _mm256_sub_epi64(value, _mm256_set1_epi64x(low));
        const Int above = _mm256_cmpgt_epi64(offset, _mm256_set1_epi64x(end - low - 1));
        return static_cast<unsigned>(_mm256_movemask_pd(_mm256_castsi256_pd(_mm256_or_si256(offset, above))));
    }
    template <int n>
    static Int ShiftLeft(Int a)
    {
        return _mm256_slli_epi64(a, n);
    }

    // Turns the four rows into columns: lane l of row m becomes lane m of row l.
    static void Transpose(Vec* rows)
    {
        const Vec even01 = _mm256_unpacklo_pd(rows[0], rows[1]);
        const Vec odd01 = _mm256_unpackhi_pd(rows[0], rows[1]);
        const Vec even23 = _mm256_unpacklo_pd(rows[2], rows[3]);
        const Vec odd23 = _mm256_unpackhi_pd(rows[2], rows[3]);
        rows[0] = _mm256_permute2f128_pd(even01, even23, 0x20);
        rows[1] = _mm256_permute2f128_pd(odd01, odd23, 0x20);
        rows[2] = _mm256_permute2f128_pd(even01, even23, 0x31);
        rows[3] = _mm256_permute2f128_pd(odd01, odd23, 0x31);
    }

    // The exponential table's tails and heads at the entries in index. Each
    // entry is a (tail, head) pair in 16 bytes: four pair loads and two
    // unpacks cost less than two gathers on many processors.
    static void TableEntries(Int index, Vec& tail, Int& head)
    {
        alignas(32) std::int64_t entry[4];
        _mm256_store_si256(reinterpret_cast<__m256i*>(entry), index);
        const auto* pairs = reinterpret_cast<const double*>(exp_table::kTable);
        const __m256d pair02 = _mm256_insertf128_pd(_mm256_castpd128_pd256(_mm_load_pd(pairs + 2 * entry[0])),
                                                    _mm_load_pd(pairs + 2 * entry[2]), 1);
        const __m256d pair13 = _mm256_insertf128_pd(_mm256_castpd128_pd256(_mm_load_pd(pairs + 2 * entry[1])),
                                                    _mm_load_pd(pairs + 2 * entry[3]), 1);
        tail = _mm256_unpacklo_pd(pair02, pair13);
        head = _mm256_castpd_si256(_mm256_unpackhi_pd(pair02, pair13));
    }
};

}  // namespace spln::avx2

SPLN_END_TARGET
