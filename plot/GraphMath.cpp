// Axis scaling, tick steps and label formats of the graph frame.

#include "plot/GraphMath.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <utility>

namespace spln {

void ChooseTickStep(double range, int& exponent, double& mantissa)
{
    exponent = 0;
    double scaled = range;
    while (scaled >= kDecadeRange && exponent < kMaxExponent) {
        ++exponent;
        scaled = range / PowerOfTen(exponent);
    }
    if (scaled < 1.1)
        mantissa = 0.1;
    else if (scaled < 2.1)
        mantissa = 0.2;
    else if (scaled < 2.6)
        mantissa = 0.25;
    else if (scaled < 5.1)
        mantissa = 0.5;
    else
        mantissa = 1.0;
}

void ScanRange(const double* values, unsigned count, double& minimum, double& maximum)
{
    bool found = false;
    minimum = 0.0;
    maximum = 0.0;
    for (unsigned i = 0; i < count; ++i) {
        const double value = values[i];
        if (!std::isfinite(value))
            continue;
        if (!found) {
            minimum = maximum = value;
            found = true;
        }
        if (value < minimum)
            minimum = value;
        if (value > maximum)
            maximum = value;
    }
}

unsigned TickCount(double range, double step, double minimum)
{
    const int whole = TruncateToInt(range / step);
    const unsigned extra = minimum != 0.0 ? 2u : 1u;
    if (whole < 0)
        return extra;
    if (static_cast<unsigned>(whole) > kMaxTicks - extra)
        return kMaxTicks;
    return static_cast<unsigned>(whole) + extra;
}

double PowerOfTen(int exponent)
{
    double power = 1.0;
    for (int i = 0; i < exponent; ++i)
        power *= 10.0;
    return power;
}

int TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int OffsetCoordinate(int origin, long long offset)
{
    const long long sum = static_cast<long long>(origin) + offset;
    if (sum > INT_MAX)
        return INT_MAX;
    if (sum < INT_MIN)
        return INT_MIN;
    return static_cast<int>(sum);
}

namespace {

template <typename... Args>
std::string Format(const char* format, Args... args)
{
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, format, args...);
    if (length < 0)
        return {};
    if (static_cast<std::size_t>(length) < sizeof buffer)
        return std::string(buffer, static_cast<std::size_t>(length));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

std::string FormatNumber(const char* format, double value)
{
    return Format(format, value);
}

std::string FormatRange(double minimum, double maximum)
{
    return Format("Range = (%.3g , %.3g)", minimum, maximum);
}

std::string FormatInt(int value)
{
    return Format("%d", value);
}

std::string RoundTickLabel(double value, double step)
{
    step = std::fabs(step);
    if (!(step > 0.0) || !std::isfinite(value))
        return FormatNumber("%g", value);
    if (std::fabs(value) < step * 1e-6)
        return "0";
    // Digits down to the step's own place: the leading place of the value
    // minus that of the step, plus the step's second digit (2.5).
    const int lead = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int place = static_cast<int>(std::floor(std::log10(step)));
    const int digits = std::clamp(lead - place + 2, 1, 15);
    std::string label = FormatNumber(("%." + std::to_string(digits) + "g").c_str(), value);
    // "%g" keeps trailing zeros of the mantissa away but not an exponent's
    // padding: "2.5e-06" reads "2.5e-6".
    const std::size_t e = label.find('e');
    if (e != std::string::npos) {
        std::string exponent = label.substr(e + 1);
        const bool negative = exponent[0] == '-';
        exponent =
            exponent.substr(exponent.find_first_not_of("+-0") == std::string::npos ? exponent.size() - 1
                                                                                   : exponent.find_first_not_of("+-0"));
        label = label.substr(0, e) + "e" + (negative ? "-" : "") + exponent;
    }
    return label;
}

std::vector<double> RoundTickValues(double low, double high, int target)
{
    target = std::max(target, 2);
    const double span = high - low;
    double scale = std::pow(10.0, std::floor(std::log10(span / target)) - 1.0);
    std::vector<double> finer;
    for (int attempts = 0; attempts < 40; ++attempts, scale *= 10.0) {
        for (const double mantissa : {1.0, 2.0, 2.5, 5.0}) {
            const double step = mantissa * scale;
            std::vector<double> values;
            for (double k = std::ceil(low / step - 1e-9); k * step <= high + 1e-9 * step; k += 1.0)
                values.push_back(k * step + 0.0);  // + 0.0: a zero tick is +0
            // A step too coarse for two ticks yields to the finer one before it.
            if (values.size() < 2 && finer.size() >= 2)
                return finer;
            if (static_cast<int>(values.size()) <= target)
                return values;
            finer = std::move(values);
        }
    }
    return {low, high};
}

}  // namespace spln
