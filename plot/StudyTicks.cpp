// Round tick values on linear and log axes, and their labels.

#include "plot/StudyTicks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace spln {

namespace {

// The widening of a range on each side, as a share of its span.
constexpr double kMargin = 0.04;

// Every multiple of step in [low, high], each as an integer times the step.
std::vector<double> Multiples(double low, double high, double step)
{
    std::vector<double> values;
    for (double k = std::ceil(low / step - 1e-9); k * step <= high + 1e-9 * step; k += 1.0)
        values.push_back(k * step);
    return values;
}

// The multiples of the smallest step of 1, 2, 2.5 or 5 times a power of ten
// that gives at most `target` of them in [low, high].
std::vector<double> RoundSteps(double low, double high, int target)
{
    const double span = high - low;
    const double power = std::pow(10.0, std::floor(std::log10(span / std::max(1, target))) - 1.0);
    for (double scale = power;; scale *= 10.0) {
        for (double mantissa : {1.0, 2.0, 2.5, 5.0}) {
            std::vector<double> values = Multiples(low, high, mantissa * scale);
            if (static_cast<int>(values.size()) <= std::max(2, target))
                return values;
        }
    }
}

void Label(AxisTicks& ticks)
{
    ticks.labels.clear();
    for (double value : ticks.values)
        ticks.labels.push_back(TickLabel(value));
}

// The ticks of one decade pattern over the range: the mantissas in each
// decade, or powers of ten every `every` decades.
std::vector<double> DecadeTicks(double low, double high, const std::vector<double>& mantissas, int every)
{
    std::vector<double> values;
    const int first = static_cast<int>(std::floor(std::log10(low))) - 1;
    const int last = static_cast<int>(std::ceil(std::log10(high))) + 1;
    for (int decade = first; decade <= last; ++decade) {
        if (decade % every != 0)
            continue;
        for (double mantissa : mantissas) {
            // A power of ten is written exactly, not as 10^d rounded.
            const double value = mantissa * std::pow(10.0, decade);
            if (value >= low * (1.0 - 1e-12) && value <= high * (1.0 + 1e-12))
                values.push_back(value);
        }
    }
    return values;
}

}  // namespace

bool LogAxisFits(double low, double high)
{
    return low > 0.0 && high >= low * kLogAxisSpan;
}

AxisTicks LogTicks(double low, double high, int target)
{
    AxisTicks ticks;
    ticks.log = true;
    if (!(low > 0.0) || !std::isfinite(low) || !std::isfinite(high)) {
        low = 1.0;
        high = 10.0;
    }
    double lowLog = std::log10(low);
    double highLog = std::log10(std::max(high, low));
    const double margin = std::max(kMargin * (highLog - lowLog), 0.02);
    lowLog -= margin;
    highLog += margin;
    ticks.low = std::pow(10.0, lowLog);
    ticks.high = std::pow(10.0, highLog);

    // From the densest pattern down, the first that keeps within the target.
    struct Pattern {
        std::vector<double> mantissas;
        int every;
    };
    const Pattern patterns[] = {{{1, 2, 3, 5}, 1}, {{1, 2, 5}, 1}, {{1, 3}, 1}, {{1}, 1}, {{1}, 2},
                                {{1}, 5},          {{1}, 10},      {{1}, 20},   {{1}, 50}};
    for (const Pattern& pattern : patterns) {
        std::vector<double> values = DecadeTicks(ticks.low, ticks.high, pattern.mantissas, pattern.every);
        if (static_cast<int>(values.size()) <= target && values.size() >= 2) {
            ticks.values = std::move(values);
            break;
        }
    }
    // Under a decade or so no pattern gives two ticks: round steps instead.
    if (ticks.values.size() < 2 || (highLog - lowLog < 1.0 && ticks.values.size() < 3))
        ticks.values = RoundSteps(ticks.low, ticks.high, target);
    Label(ticks);
    return ticks;
}

AxisTicks LinearTicks(double low, double high, int target)
{
    AxisTicks ticks;
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = 0.0;
        high = 1.0;
    }
    if (!(high > low)) {
        const double half = low == 0.0 ? 1.0 : std::fabs(low) * 0.1;
        low -= half;
        high += half;
    }
    const double margin = kMargin * (high - low);
    ticks.low = low - margin;
    ticks.high = high + margin;
    ticks.values = RoundSteps(ticks.low, ticks.high, target);
    Label(ticks);
    return ticks;
}

AxisTicks ValueTicks(double low, double high, int target)
{
    return LogAxisFits(low, high) ? LogTicks(low, high, target) : LinearTicks(low, high, target);
}

std::string TickLabel(double value)
{
    if (value == 0.0 || std::fabs(value) < 1e-300)
        return "0";
    char text[32];
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e-3 && magnitude < 1e6) {
        std::snprintf(text, sizeof text, "%.6g", value);
        return text;
    }
    // "4.860e-04" reads as "4.86e-4", "1.000e+07" as "1e7".
    std::snprintf(text, sizeof text, "%.3e", value);
    std::string label = text;
    const size_t e = label.find('e');
    std::string mantissa = label.substr(0, e);
    while (mantissa.back() == '0')
        mantissa.pop_back();
    if (mantissa.back() == '.')
        mantissa.pop_back();
    return mantissa + "e" + std::to_string(std::atoi(label.c_str() + e + 1));
}

}  // namespace spln
