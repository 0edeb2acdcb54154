// The document's own eleven built-in functions and their captions.

#include "model/DocFunctions.h"

#include <cmath>

namespace spln::doc {

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kEightPi = 25.132741228718345;
constexpr double kSixteenPi = 50.26548245743669;

double Sign(double x)
{
    if (x > 0.0)
        return 1.0;
    if (x < 0.0)
        return -1.0;
    return 0.0;
}

using Function = double (*)(double);

constexpr Function kFunctions[kFunctionCount] = {
    ExpSumMinusTwo, CosOfSine, RungeBump,         RungeOdd,        SignedQuartic, Absolute,
    Footstep,       ExpOfSine, ThreeShiftedBumps, TwoShiftedBumps, ExpOfFastSine,
};

constexpr const char* kCaptions[kFunctionCount] = {
    "Y(x)=Exp(x)+Exp(-x)-2.0",
    "Y(x)=Cos(4.7*Sin(pi/2*x))",
    "Y(x)=1/(1+25*x*x)",
    "Y(x)=10.0*x/(1+25*x*x)",
    "Y(x)=4*Sgn(x)*(1.0-x*x)*x*x",
    "Y(x)=Abs(x)",
    "Footstep",
    "Y(x)=Exp(3*(Sin(8*pi*x)-1)",
    "Sum of three shifted functions Y(x) = 1/(1+500*x*x)",
    "Sum of two shifted functions Y(x) = 1/(1+1000*x*x)",
    "Y(x)=Exp(5*(Sin(16*pi*x)-1))",
};

constexpr const char* kShortNames[kFunctionCount] = {
    "cosh",     "cos-sine", "runge",       "runge-odd", "quartic",       "abs",
    "footstep", "exp-sine", "three-bumps", "two-bumps", "exp-fast-sine",
};

}  // namespace

double ExpSumMinusTwo(double x)
{
    return std::exp(-x) + std::exp(x) - 2.0;
}

double CosOfSine(double x)
{
    return std::cos(4.7 * std::sin(x * kHalfPi));
}

double RungeBump(double x)
{
    return 1.0 / (25.0 * x * x + 1.0);
}

double RungeOdd(double x)
{
    return 10.0 * x / (25.0 * x * x + 1.0);
}

double SignedQuartic(double x)
{
    return Sign(x) * (1.0 - x * x) * x * x * 4.0;
}

double Absolute(double x)
{
    return std::fabs(x);
}

double Footstep(double x)
{
    return std::fabs(x) <= 0.5 ? 1.0 : 0.0;
}

// As computed, not as the caption reads: the 1 is subtracted outside the
// product with 3.
double ExpOfSine(double x)
{
    return std::exp(3.0 * std::sin(x * kEightPi) - 1.0);
}

// As computed, not as the caption reads: the shifted bumps are subtracted.
double ThreeShiftedBumps(double x)
{
    const double left = x + 0.75;
    const double right = x - 0.75;
    return 1.0 / (500.0 * (x * x) + 1.0) - 1.0 / (500.0 * (left * left) + 1.0) - 1.0 / (500.0 * (right * right) + 1.0);
}

double TwoShiftedBumps(double x)
{
    const double left = x + 0.1;
    const double right = x - 0.1;
    return 1.0 / (1000.0 * (left * left) + 1.0) + 1.0 / (1000.0 * (right * right) + 1.0);
}

double ExpOfFastSine(double x)
{
    return std::exp(5.0 * (std::sin(x * kSixteenPi) - 1.0));
}

double Evaluate(int index, double x)
{
    if (index < 0 || index >= kFunctionCount)
        return 0.0;
    return kFunctions[index](x);
}

const char* Caption(int index)
{
    if (index < 0 || index >= kFunctionCount)
        return "";
    return kCaptions[index];
}

const char* ShortName(int index)
{
    if (index < 0 || index >= kFunctionCount)
        return "";
    return kShortNames[index];
}

int IndexOfShortName(std::string_view name)
{
    for (int index = 0; index < kFunctionCount; ++index)
        if (name == kShortNames[index])
            return index;
    return -1;
}

}  // namespace spln::doc
