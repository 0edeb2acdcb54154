// The eleven built-in example functions, the trend line through their end
// values and the noisy samples the run approximates.

#include "engine/CSplineEngine.h"
#include "engine/Kernels.h"
#include "engine/Noise.h"

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
    const double h = m_dHalfWidth;
    const double a = ExampleFunction(-h);
    const double b = ExampleFunction(h);
    const double slope = (b - a) / (h - (-h));
    return a + slope * (x - (-h));
}

double CSplineEngine::Detrended(double x) const
{
    return ExampleFunction(x) - TrendLine(x);
}

double CSplineEngine::NoisySample(double x) const
{
    // The draw comes first so that the sequence advances even with amplitude 0.
    const int r = m_pNoise ? m_pNoise->Next() : NextNoise();
    return Detrended(x) + (r * kNoiseScale - 0.5) * m_dAmplitude;
}

int CSplineEngine::NoiseDrawsPerRun() const
{
    return m_nSource == 0 ? m_nSamples + m_nPoints : 0;
}
