#pragma once

// The vocabulary of VectorOpsAvx2.h on one double, for the scalar and block
// paths of the generic kernel formulas (KernelFormulas.h). Never include it
// inside a target region: its instantiations must be compiled for the baseline.

#include <cmath>

namespace spln::scalar {

struct Ops {
    static constexpr int kLanes = 1;
    using Vec = double;
    using Mask = bool;

    static Vec Set(double v) { return v; }
    static Vec Add(Vec a, Vec b) { return a + b; }
    static Vec Sub(Vec a, Vec b) { return a - b; }
    static Vec Mul(Vec a, Vec b) { return a * b; }
    static Vec Div(Vec a, Vec b) { return a / b; }
    static Vec Abs(Vec a) { return std::fabs(a); }
    static Vec Neg(Vec a) { return -a; }
    static Mask Less(Vec a, Vec b) { return a < b; }
    static Mask Greater(Vec a, Vec b) { return a > b; }
    static Mask GreaterEqual(Vec a, Vec b) { return a >= b; }
    static Vec Select(Mask m, Vec yes, Vec no) { return m ? yes : no; }
};

}  // namespace spln::scalar
