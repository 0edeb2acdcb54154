// The guard's fixed arguments, on which every vector path of the exponential
// must give std::exp's bits before it is used.

#include "engine/VectorExp.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>

namespace spln {

namespace {

// A fixed sequence of pseudo-random bits (SplitMix64), the same on every machine.
struct BitSource {
    std::uint64_t state;

    std::uint64_t Next()
    {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }

    // Uniform in [lo, hi).
    double Uniform(double lo, double hi) { return lo + (hi - lo) * (static_cast<double>(Next() >> 11) * 0x1p-53); }
};

}  // namespace

void GuardArguments(double* out)
{
    constexpr double kLn2N = 0x1.62e42fefa39efp-8;  // ln 2 / 128
    constexpr double kInf = std::numeric_limits<double>::infinity();
    BitSource bits{12345};
    int i = 0;
    // Ordinary arguments over the whole finite-result range, then the kernels' range.
    while (i < 1024)
        out[i++] = bits.Uniform(-745.5, 709.9);
    while (i < 2048)
        out[i++] = bits.Uniform(-100.0, 0.0);
    // Where x 128/ln2 lies halfway between integers the reduction's rounding
    // picks the table entry: the nearest doubles and their neighbours. Also
    // the table's own points k ln2/128.
    while (i < 3072) {
        const double k = std::floor(bits.Uniform(-107000.0, 91000.0));
        const double half = (k + 0.5) * kLn2N;
        out[i++] = std::nextafter(half, -kInf);
        out[i++] = half;
        out[i++] = std::nextafter(half, kInf);
        out[i++] = k * kLn2N;
    }
    // Sub-normal and vanishing results.
    while (i < 3584)
        out[i++] = bits.Uniform(-746.0, -708.3);
    // Cut-offs, edges of the main path and special values.
    const double edges[] = {-100.0,
                            -15.0,
                            -4.0,
                            -2.0,
                            -1.0,
                            0.0,
                            0x1p-54,
                            0x1p-55,
                            0x1p-1022,
                            0x1p-1074,
                            512.0,
                            709.782712893384,
                            709.7827128933841,
                            710.0,
                            -708.3964185322641,
                            -708.4,
                            -745.1332191019411,
                            -745.1332191019412,
                            -745.2,
                            1e300,
                            std::numeric_limits<double>::max(),
                            kInf,
                            std::numeric_limits<double>::quiet_NaN(),
                            1.0,
                            0.5,
                            1e-10,
                            1e-17,
                            100.0,
                            15.0};
    for (double edge : edges) {
        for (double x : {edge, -edge}) {
            out[i++] = std::nextafter(x, -kInf);
            out[i++] = x;
            out[i++] = std::nextafter(x, kInf);
        }
    }
    // The rest: more of the kernels' range, where nearly every argument lies.
    while (i < kGuardArgumentCount)
        out[i++] = bits.Uniform(-70.0, 0.0);
}

}  // namespace spln
