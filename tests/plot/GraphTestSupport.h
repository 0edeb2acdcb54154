#pragma once

// Point arrays and a recording surface with fixed metrics for the frame tests.

#include "platform/RecordingDC.h"

#include <string>
#include <vector>

namespace spln::test {

// Label font 13 high, 11 wide; title font 18 high; exponent font 12 high.
inline constexpr int kLabelHeight = 13;
inline constexpr int kLabelWidth = 11;
inline constexpr int kTitleHeight = 18;

inline void SetFixedMetrics(RecordingDC& dc)
{
    dc.SetFontMetrics("MS Sans Serif", 80, {kLabelHeight, kLabelWidth});
    dc.SetFontMetrics("Times New Roman Cyr", 120, {kTitleHeight, 16});
    dc.SetFontMetrics("Arial", 80, {12, 10});
}

// The view's output abscissae: n points accumulated from -1 in steps of 2/(n-1).
inline std::vector<double> AccumulatedAbscissae(int n)
{
    std::vector<double> x(static_cast<std::size_t>(n));
    const double step = 2.0 / (n - 1);
    double value = -1.0;
    for (double& element : x) {
        element = value;
        value = value + step;
    }
    return x;
}

// n values running linearly from first to last (first and last exact).
inline std::vector<double> Linear(int n, double first, double last)
{
    std::vector<double> values(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        values[static_cast<std::size_t>(i)] = first + (last - first) * i / (n - 1);
    values.back() = last;
    return values;
}

inline std::vector<std::string> Texts(const RecordingDC& dc)
{
    std::vector<std::string> texts;
    for (const RecordedCall& call : dc.CallsOf(DCCall::TextOut))
        texts.push_back(call.text);
    return texts;
}

}  // namespace spln::test
