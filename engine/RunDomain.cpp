// Each setting's domain: the ranges a run computes without overflow or out-of-range conversion.

#include "engine/RunDomain.h"

#include "engine/CSplineEngine.h"
#include "text/NumberFormat.h"

#include <iterator>

namespace spln {

namespace {

// Real settings stay within these magnitudes so that the sums of squares and
// the cubic powers of a run stay finite. The half width h scales every
// abscissa; its cube and its sixth power in the boundary fit must not
// overflow or vanish.
constexpr double kMaxRealMagnitude = 1e100;
constexpr double kMinHalfWidth = 1e-30;
constexpr double kMaxHalfWidth = 1e30;

struct SettingDomain {
    const char* what;
    int CSplineEngine::*whole;    // the member, when it is a whole number
    double CSplineEngine::*real;  // the member, when it is a real number
    double min;
    double max;
    bool fileSourceOnly;  // checked only for a run on the sample file
};

// The window of averaging is at most the number of samples: wider would only
// average the same samples again, and it keeps the kernel window's half width
// (about 11.5 times the window) far inside int.
constexpr SettingDomain kDomains[] = {
    {"the source", &CSplineEngine::m_nSource, nullptr, 0, 2, false},
    {"the method", &CSplineEngine::m_nMethod, nullptr, 1, 2, false},
    {"the example function", &CSplineEngine::m_nExample, nullptr, 1, 11, false},
    {"the number of samples", &CSplineEngine::m_nSamples, nullptr, 2, kMaxSamples, false},
    {"the window of averaging", &CSplineEngine::m_nWindow, nullptr, 1, kMaxSamples, false},
    {"the number of basic splines", &CSplineEngine::m_nSchwarzCount, nullptr, 2, kMaxSamples, false},
    {"the projection kernel type", &CSplineEngine::m_nSchwarzType, nullptr, 1, 4, false},
    {"the number of least-squares functions", &CSplineEngine::m_nLsqCount, nullptr, 2, kMaxSystem, false},
    {"the least-squares basis type", &CSplineEngine::m_nLsqType, nullptr, 1, 5, false},
    {"the number of least-squares points", &CSplineEngine::m_nMaxLsqSamples, nullptr, 2, kMaxLsqPoints, false},
    {"the number of output points", &CSplineEngine::m_nPoints, nullptr, 2, kMaxSamples, false},
    // The data shown are samples of the file, so there are no more points than samples.
    {"the number of output points of a sample-file run", &CSplineEngine::m_nPoints, nullptr, 2, kFileSamples, true},
    {"the half width of the interval", nullptr, &CSplineEngine::m_dHalfWidth, kMinHalfWidth, kMaxHalfWidth, false},
    {"the noise amplitude", nullptr, &CSplineEngine::m_dAmplitude, -kMaxRealMagnitude, kMaxRealMagnitude, false},
    {"the left boundary value", nullptr, &CSplineEngine::m_dLeftValue, -kMaxRealMagnitude, kMaxRealMagnitude, false},
    {"the right boundary value", nullptr, &CSplineEngine::m_dRightValue, -kMaxRealMagnitude, kMaxRealMagnitude, false},
    {"the left boundary derivative", nullptr, &CSplineEngine::m_dLeftDeriv, -kMaxRealMagnitude, kMaxRealMagnitude,
     false},
    {"the right boundary derivative", nullptr, &CSplineEngine::m_dRightDeriv, -kMaxRealMagnitude, kMaxRealMagnitude,
     false},
};

bool Contains(const SettingDomain& domain, const CSplineEngine& engine)
{
    if (domain.fileSourceOnly && engine.m_nSource != 1)
        return true;
    // Written so that a NaN fails both comparisons and is refused.
    const double value = domain.whole ? engine.*domain.whole : engine.*domain.real;
    return value >= domain.min && value <= domain.max;
}

}  // namespace

int FirstUncomputableSetting(const CSplineEngine& engine)
{
    for (int i = 0; i < static_cast<int>(std::size(kDomains)); ++i)
        if (!Contains(kDomains[i], engine))
            return i + 1;
    return 0;
}

std::string DescribeUncomputableSetting(const CSplineEngine& engine, int position)
{
    if (position < 1 || position > static_cast<int>(std::size(kDomains)))
        return "a setting is outside the range a run can compute";
    const SettingDomain& domain = kDomains[position - 1];
    if (domain.whole)
        return std::string(domain.what) + " is " + std::to_string(engine.*domain.whole) + "; it must be from " +
               std::to_string(static_cast<int>(domain.min)) + " to " + std::to_string(static_cast<int>(domain.max));
    return std::string(domain.what) + " is " + FormatShortest(engine.*domain.real) + "; it must be from " +
           FormatShortest(domain.min) + " to " + FormatShortest(domain.max);
}

}  // namespace spln
