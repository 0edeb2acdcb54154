// The eleven built-in example functions, the trend line through their end
// values and the noisy samples the run approximates.

#include "engine/CSplineEngine.h"
#include "engine/Kernels.h"
#include "engine/Noise.h"
#include "engine/VectorExp.h"

#include <algorithm>

#include <cmath>

using namespace spln;

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kEightPi = 25.132741228718345;
constexpr double kSixteenPi = 50.26548245743669;
// The double nearest to 1/32767: scales a noise draw to [0, 1].
constexpr double kNoiseScale = 3.051850947599719e-05;

double Bump(double factor, double x)
{
    return 1.0 / (factor * (x * x) + 1.0);
}

// The line through the function's values a at -h and b at +h.
struct Trend {
    double a;
    double slope;
    double h;

    Trend(double left, double right, double halfWidth)
        : a(left), slope((right - left) / (halfWidth - (-halfWidth))), h(halfWidth)
    {}

    double At(double x) const { return a + slope * (x - (-h)); }
};

// The line through the function's ends: a built-in function's values, or
// those the formula's table holds.
Trend TrendOf(const CSplineEngine& e)
{
    const double h = e.m_dHalfWidth;
    if (e.m_nSource == kSourceFormula)
        return Trend(e.m_dFunctionLeft, e.m_dFunctionRight, h);
    return Trend(e.ExampleFunction(-h), e.ExampleFunction(h), h);
}

// The noise draw r in 0..32767 scaled to [-0.5, 0.5] times the amplitude.
double NoiseTerm(int r, double amplitude)
{
    return (r * kNoiseScale - 0.5) * amplitude;
}

}  // namespace

double CSplineEngine::ExampleFunction(double x) const
{
    if (m_nSource != 0)
        return 0.0;
    switch (m_nExample) {
    case 1:
        return std::exp(-x) + std::exp(x) - 2.0;
    case 2:
        return std::cos(4.7 * std::sin(x * kHalfPi));
    case 3:
        return 1.0 / (25.0 * x * x + 1.0);
    case 4:
        return 10.0 * x / (25.0 * x * x + 1.0);
    case 5:
        return Sign(x) * (1.0 - x * x) * x * x * 4.0;
    case 6:
        return std::fabs(x);
    case 7:
        return std::fabs(x) <= 0.5 ? 1.0 : 0.0;
    case 8:
        // The caption reads Exp(3*(Sin(8*pi*x)-1); the function has always been exp(3 sin(8 pi x) - 1).
        return std::exp(3.0 * std::sin(x * kEightPi) - 1.0);
    case 9:
        return Bump(500.0, x) - Bump(500.0, x + 0.75) - Bump(500.0, x - 0.75);
    case 10:
        return Bump(1000.0, x + 0.1) + Bump(1000.0, x - 0.1);
    case 11:
        return std::exp(5.0 * (std::sin(x * kSixteenPi) - 1.0));
    default:
        return 0.0;
    }
}

double CSplineEngine::TrendLine(double x) const
{
    return TrendOf(*this).At(x);
}

double CSplineEngine::Detrended(double x) const
{
    return ExampleFunction(x) - TrendLine(x);
}

double CSplineEngine::NoisySample(double x) const
{
    // The draw comes first so that the sequence advances even with amplitude 0.
    const int r = m_pNoise ? m_pNoise->Next() : NextNoise();
    return Detrended(x) + NoiseTerm(r, m_dAmplitude);
}

void CSplineEngine::ExampleFunctions(const double* x, double* out, int n) const
{
    const int example = m_nSource == 0 ? m_nExample : 0;
    if (example != 1 && example != 8 && example != 11) {
        for (int i = 0; i < n; ++i)
            out[i] = ExampleFunction(x[i]);
        return;
    }
    constexpr int kChunk = 64;
    double e[kChunk];
    double f[kChunk];
    for (int start = 0; start < n; start += kChunk) {
        const int count = std::min(kChunk, n - start);
        const double* xs = x + start;
        switch (example) {
        case 1:
            for (int i = 0; i < count; ++i)
                e[i] = -xs[i];
            ExpBlock(e, e, count);
            ExpBlock(xs, f, count);
            for (int i = 0; i < count; ++i)
                out[start + i] = e[i] + f[i] - 2.0;
            break;
        case 8:
            for (int i = 0; i < count; ++i)
                e[i] = 3.0 * std::sin(xs[i] * kEightPi) - 1.0;
            ExpBlock(e, out + start, count);
            break;
        default:
            for (int i = 0; i < count; ++i)
                e[i] = 5.0 * (std::sin(xs[i] * kSixteenPi) - 1.0);
            ExpBlock(e, out + start, count);
            break;
        }
    }
}

void CSplineEngine::TrendLines(const double* x, double* out, int n) const
{
    const Trend trend = TrendOf(*this);
    for (int i = 0; i < n; ++i)
        out[i] = trend.At(x[i]);
}

void CSplineEngine::NoisySamples(const double* x, double* y, int n) const
{
    ExampleFunctions(x, y, n);
    DetrendWithNoise(x, y, n);
}

void CSplineEngine::DetrendWithNoise(const double* x, double* y, int n) const
{
    const Trend trend = TrendOf(*this);
    constexpr int kChunk = 64;
    int draws[kChunk];
    for (int start = 0; start < n; start += kChunk) {
        const int count = std::min(kChunk, n - start);
        if (m_pNoise) {
            for (int i = 0; i < count; ++i)
                draws[i] = m_pNoise->Next();
        } else {
            NextNoises(draws, count);
        }
        for (int i = 0; i < count; ++i)
            y[start + i] = (y[start + i] - trend.At(x[start + i])) + NoiseTerm(draws[i], m_dAmplitude);
    }
}

int CSplineEngine::NoiseDrawsPerRun() const
{
    return m_nSource != kSourceFile ? m_nSamples + m_nPoints : 0;
}
