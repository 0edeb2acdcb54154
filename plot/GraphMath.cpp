// Axis scaling, tick steps and label formats of the graph frame.

#include "plot/GraphMath.h"

#include <climits>
#include <cmath>
#include <cstdio>

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

}  // namespace spln
