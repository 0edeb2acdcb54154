// Fuzz target: arbitrary text through the strict number readers of the
// command line and the dialog, and through the sample file's number reader,
// each compared with the C library's reading of the same text.

#include "engine/SampleFile.h"
#include "text/StrictNumber.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Digits only, after at most one sign.
bool IsPlainWholeNumber(const std::string& text)
{
    std::size_t i = text.size() > 0 && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

void CheckWhole(const std::string& text)
{
    int value = 0;
    if (spln::ParseWholeNumber(text, value) != spln::NumberStatus::Ok)
        return;
    errno = 0;
    const long long expected = std::strtoll(text.c_str(), nullptr, 10);
    if (!IsPlainWholeNumber(text) || errno != 0 || expected != value)
        std::abort();
}

void CheckReal(const std::string& text)
{
    double value = 0.0;
    if (spln::ParseRealNumber(text, value) != spln::NumberStatus::Ok)
        return;
    // No white space, hexadecimal digits, infinities or NaNs, which strtod would also take.
    if (text.find_first_of(" \t\n\v\f\rxXiInNpP") != std::string::npos || !std::isfinite(value))
        std::abort();
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !SameBits(expected, value))
        std::abort();
}

void CheckSampleNumber(const std::string& text)
{
    float value = 0.0f;
    const spln::RunFailure result = spln::ParseSampleNumber(text.data(), static_cast<int>(text.size()), value);
    if (result == spln::RunFailure::NotANumber)
        return;
    char* end = nullptr;
    const float expected = std::strtof(text.c_str(), &end);
    if (end != text.c_str() + text.size())
        std::abort();  // the reader took text that is not a whole number
    if (result == spln::RunFailure::NumberOutOfRange) {
        if (!std::isinf(expected))
            std::abort();
        return;
    }
    if (!std::isfinite(value))
        std::abort();
    // Below single precision the reader keeps a zero of the token's sign; otherwise it rounds as strtof does.
    if (expected != 0.0f && !SameBits(expected, value))
        std::abort();
    if (expected == 0.0f && (value != 0.0f || std::signbit(value) != std::signbit(expected)))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.find('\0') != std::string::npos) {
        // The C library's readers stop at a NUL and cannot judge this text; ours must still refuse it.
        int whole = 0;
        double real = 0.0;
        float sample = 0.0f;
        if (spln::ParseWholeNumber(text, whole) == spln::NumberStatus::Ok ||
            spln::ParseRealNumber(text, real) == spln::NumberStatus::Ok ||
            spln::ParseSampleNumber(text.data(), static_cast<int>(text.size()), sample) != spln::RunFailure::NotANumber)
            std::abort();
        return 0;
    }
    CheckWhole(text);
    CheckReal(text);
    CheckSampleNumber(text);
    return 0;
}
