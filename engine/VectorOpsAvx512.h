#pragma once

// The vocabulary of vector operations on eight doubles with AVX-512, for the
// generic code of ExpCore.h and KernelSumLanes.h: the operations of
// VectorOpsAvx2.h, each the same IEEE operation per lane.

#include "engine/ExpTable.h"
#include "engine/VectorTarget.h"

#include <immintrin.h>

#include <cstdint>

SPLN_BEGIN_TARGET_AVX512

namespace spln::avx512 {

struct Ops {
    static constexpr int kLanes = 8;
    static constexpr int NodesAtOnce(int) { return 2; }               // see VectorOpsAvx2.h
    static constexpr bool Transposed(int type) { return type != 1; }  // see VectorOpsAvx2.h
    static constexpr bool kFusedIntegratedGaussians = true;
    using Vec = __m512d;
    using Int = __m512i;
    using Mask = __mmask8;  // bit l for lane l

    static Vec Set(double v) { return _mm512_set1_pd(v); }
    static Int SetInt(std::int64_t v) { return _mm512_set1_epi64(v); }
    static Vec Load(const double* p) { return _mm512_loadu_pd(p); }
    static void Store(double* p, Vec v) { _mm512_storeu_pd(p, v); }
    static Vec Gather(const double* base, const int* index)
    {
        return _mm512_i32gather_pd(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(index)), base, 8);
    }

    static Vec Add(Vec a, Vec b) { return _mm512_add_pd(a, b); }
    static Vec Sub(Vec a, Vec b) { return _mm512_sub_pd(a, b); }
    static Vec Mul(Vec a, Vec b) { return _mm512_mul_pd(a, b); }
    static Vec Div(Vec a, Vec b) { return _mm512_div_pd(a, b); }
    static Vec MulAdd(Vec a, Vec b, Vec c) { return _mm512_fmadd_pd(a, b, c); }
    static Vec NegMulAdd(Vec a, Vec b, Vec c) { return _mm512_fnmadd_pd(a, b, c); }
    static Vec MulSub(Vec a, Vec b, Vec c) { return _mm512_fmsub_pd(a, b, c); }
    static Vec Min(Vec a, Vec b) { return _mm512_min_pd(a, b); }
    static Vec Abs(Vec a) { return _mm512_abs_pd(a); }
    static Vec Neg(Vec a) { return FromBits(_mm512_xor_si512(Bits(a), _mm512_set1_epi64(INT64_MIN))); }

    static Mask Less(Vec a, Vec b) { return _mm512_cmp_pd_mask(a, b, _CMP_LT_OQ); }
    static Mask Greater(Vec a, Vec b) { return _mm512_cmp_pd_mask(a, b, _CMP_GT_OQ); }
    static Mask GreaterEqual(Vec a, Vec b) { return _mm512_cmp_pd_mask(a, b, _CMP_GE_OQ); }
    static Mask Or(Mask a, Mask b) { return static_cast<Mask>(a | b); }
    static unsigned LaneBits(Mask m) { return m; }
    static Vec Select(Mask m, Vec yes, Vec no) { return _mm512_mask_blend_pd(m, no, yes); }

    static Int Bits(Vec v) { return _mm512_castpd_si512(v); }
    static Vec FromBits(Int i) { return _mm512_castsi512_pd(i); }
    static Int And(Int a, Int b) { return _mm512_and_si512(a, b); }
    static Int AddInt(Int a, Int b) { return _mm512_add_epi64(a, b); }
    static unsigned OutsideRange(Int value, std::int64_t low, std::int64_t end)
    {
        return _mm512_cmpge_epu64_mask(_mm512_sub_epi64(value, _mm512_set1_epi64(low)), _mm512_set1_epi64(end - low));
    }
    template <int n>
    static Int ShiftLeft(Int a)
    {
        return _mm512_slli_epi64(a, n);
    }

    // Turns the eight rows into columns: lane l of row m becomes lane m of row l.
    static void Transpose(Vec* rows)
    {
        Vec half[8];
        for (int k = 0; k < 4; ++k) {
            half[k] = _mm512_unpacklo_pd(rows[2 * k], rows[2 * k + 1]);      // the even columns' pairs
            half[k + 4] = _mm512_unpackhi_pd(rows[2 * k], rows[2 * k + 1]);  // the odd columns'
        }
        for (int e = 0; e < 2; ++e) {
            const Vec* u = half + 4 * e;
            const Vec low01 = _mm512_shuffle_f64x2(u[0], u[1], 0x44);
            const Vec high01 = _mm512_shuffle_f64x2(u[0], u[1], 0xee);
            const Vec low23 = _mm512_shuffle_f64x2(u[2], u[3], 0x44);
            const Vec high23 = _mm512_shuffle_f64x2(u[2], u[3], 0xee);
            rows[e] = _mm512_shuffle_f64x2(low01, low23, 0x88);
            rows[2 + e] = _mm512_shuffle_f64x2(low01, low23, 0xdd);
            rows[4 + e] = _mm512_shuffle_f64x2(high01, high23, 0x88);
            rows[6 + e] = _mm512_shuffle_f64x2(high01, high23, 0xdd);
        }
    }

    // The exponential table's tails and heads at the entries in index. Each
    // entry is a (tail, head) pair in 16 bytes: eight pair loads, their
    // inserts and two unpacks cost less than two gathers where gathers are
    // slow, as they are on many processors (see VectorOpsAvx2.h).
    static void TableEntries(Int index, Vec& tail, Int& head)
    {
        alignas(64) std::int64_t entry[8];
        _mm512_store_si512(entry, index);
        const auto* pairs = reinterpret_cast<const double*>(exp_table::kTable);
        auto pair = [&](int l) { return _mm_load_pd(pairs + 2 * entry[l]); };
        auto four = [&](int a, int b, int c, int d) {
            const __m256d low = _mm256_insertf128_pd(_mm256_castpd128_pd256(pair(a)), pair(b), 1);
            const __m256d high = _mm256_insertf128_pd(_mm256_castpd128_pd256(pair(c)), pair(d), 1);
            return _mm512_insertf64x4(_mm512_castpd256_pd512(low), high, 1);
        };
        const __m512d even = four(0, 2, 4, 6);
        const __m512d odd = four(1, 3, 5, 7);
        tail = _mm512_unpacklo_pd(even, odd);
        head = _mm512_castpd_si512(_mm512_unpackhi_pd(even, odd));
    }
};

}  // namespace spln::avx512

SPLN_END_TARGET
