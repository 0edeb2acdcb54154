// Reads the sample file into fixed buffers, without allocating.

#include "engine/SampleFile.h"

#include "engine/BoundedText.h"
#include "io/InputFile.h"

#include <unistd.h>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>

namespace spln {

namespace {

constexpr const char kFileName[] = "sig.dat";
constexpr int kReadChunk = 16384;
// Longest token converted; a longer one is not a number, and reading stops there.
constexpr int kTokenCapacity = 512;
constexpr const char* kBom = kByteOrderMark.data();
constexpr int kBomLength = static_cast<int>(kByteOrderMark.size());

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Checks the form [+-]?(digits[.digits*]|.digits)([eE][+-]?digits)? and finds
// the decimal order of the number: the value lies in [10^(order-1), 10^order)
// up to the digits, which tells an overflow from an underflow. Exponents are
// saturated so that absurd ones cannot overflow the arithmetic.
bool ScanNumber(const char* text, int length, long& order)
{
    int i = 0;
    if (i < length && (text[i] == '+' || text[i] == '-'))
        ++i;
    int firstSignificant = INT_MIN;  // index, among all the digits, of the first non-zero one
    int position = 0;
    auto scanDigits = [&] {
        int count = 0;
        for (; i < length && IsDigit(text[i]); ++i, ++position, ++count) {
            if (firstSignificant == INT_MIN && text[i] != '0')
                firstSignificant = position;
        }
        return count;
    };
    const int integerDigits = scanDigits();
    int fractionDigits = 0;
    if (i < length && text[i] == '.') {
        ++i;
        fractionDigits = scanDigits();
    }
    if (integerDigits == 0 && fractionDigits == 0)
        return false;
    long exponent = 0;
    if (i < length && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < length && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            ++i;
        }
        if (i >= length || !IsDigit(text[i]))
            return false;
        while (i < length && IsDigit(text[i])) {
            if (exponent < 1000000)
                exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (negative)
            exponent = -exponent;
    }
    if (i != length)
        return false;
    order = firstSignificant == INT_MIN ? 0 : exponent + integerDigits - firstSignificant;
    return true;
}

}  // namespace

void ResolveSampleFilePath(const char* chosen, char* out, int outSize)
{
    if (chosen[0] != '\0') {
        CopyBoundedText(out, outSize, chosen);
        return;
    }
    const int nameRoom = static_cast<int>(sizeof kFileName) + 1;
    if (getcwd(out, static_cast<std::size_t>(outSize - nameRoom)) == nullptr) {
        // A directory too deep to name (or removed): open the name relative to it.
        CopyBoundedText(out, outSize, kFileName);
        return;
    }
    std::size_t length = std::strlen(out);
    if (length == 0 || out[length - 1] != '/')
        out[length++] = '/';
    std::memcpy(out + length, kFileName, sizeof kFileName);
}

RunFailure ParseSampleNumber(const char* text, int length, float& value)
{
    long order = 0;
    if (!ScanNumber(text, length, order))
        return RunFailure::NotANumber;
    const char* first = text;
    const char* last = text + length;
    if (*first == '+')
        ++first;  // from_chars takes no plus sign
    float parsed = 0.0f;
    const auto result = std::from_chars(first, last, parsed, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (order > 0)
            return RunFailure::NumberOutOfRange;
        value = *first == '-' ? -0.0f : 0.0f;
        return RunFailure::None;
    }
    if (result.ec != std::errc() || result.ptr != last)
        return RunFailure::NotANumber;
    value = parsed;
    return RunFailure::None;
}

SampleFileReading ReadSampleNumbers(const char* path, float* numbers, int capacity, long long byteLimit)
{
    SampleFileReading reading{RunFailure::None, 0, 0};
    const InputOpening opening = OpenInput(path);
    if (opening.fd < 0) {
        reading.failure = opening.error != 0 ? RunFailure::FileMissing : RunFailure::NotAFile;
        reading.detail = opening.error != 0 ? opening.error : static_cast<int>(opening.refused);
        return reading;
    }
    const int fd = opening.fd;

    char chunk[kReadChunk];
    char token[kTokenCapacity];
    int tokenLength = 0;
    int bomMatched = 0;  // bytes of a byte-order mark matched at the start of the file
    long long bytesRead = 0;
    bool atEnd = false;

    // Ends the current token; false when it is not a number.
    auto closeToken = [&] {
        const int position = reading.count == INT_MAX ? INT_MAX : reading.count + 1;
        float value = 0.0f;
        const RunFailure parsed = ParseSampleNumber(token, tokenLength, value);
        if (parsed != RunFailure::None) {
            reading.failure = parsed;
            reading.detail = position;
            return false;
        }
        if (reading.count < capacity)
            numbers[reading.count] = value;
        reading.count = position;
        tokenLength = 0;
        return true;
    };
    // Adds a character to the current token; false when the token has grown
    // too long to be a number.
    auto extendToken = [&](char c) {
        if (tokenLength == kTokenCapacity) {
            reading.failure = RunFailure::NotANumber;
            reading.detail = reading.count == INT_MAX ? INT_MAX : reading.count + 1;
            return false;
        }
        token[tokenLength++] = c;
        return true;
    };

    while (!atEnd && reading.failure == RunFailure::None) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            reading.failure = RunFailure::FileMissing;
            reading.detail = errno;
            break;
        }
        atEnd = got == 0;
        bytesRead += got;
        if (bytesRead > byteLimit) {
            // Past any real sample file: an endless stream, or a device.
            reading.failure = RunFailure::TooLarge;
            reading.detail = 0;
            break;
        }
        // At the end a virtual separator closes the last token.
        const ssize_t limit = atEnd ? 1 : got;
        for (ssize_t i = 0; i < limit; ++i) {
            const char c = atEnd ? ' ' : chunk[i];
            if (bomMatched >= 0 && bomMatched < kBomLength) {
                // A UTF-8 byte-order mark at the very start is dropped; bytes
                // that only began one are text of the first token.
                if (!atEnd && c == kBom[bomMatched]) {
                    ++bomMatched;
                    continue;
                }
                for (int b = 0; b < bomMatched; ++b)
                    extendToken(kBom[b]);
                bomMatched = -1;
            }
            if (bomMatched == kBomLength)
                bomMatched = -1;
            if (!IsSeparator(c)) {
                if (!extendToken(c))
                    break;
                continue;
            }
            if (tokenLength == 0)
                continue;
            if (!closeToken())
                break;
        }
    }
    close(fd);
    return reading;
}

bool NormaliseByLargestMagnitude(float* numbers, int count)
{
    double largest = -1.0;
    for (int i = 0; i < count; ++i) {
        const double magnitude = std::fabs(static_cast<double>(numbers[i]));
        if (magnitude > largest)
            largest = magnitude;
    }
    if (largest == 0.0)
        return false;
    for (int i = 0; i < count; ++i)
        numbers[i] = static_cast<float>(numbers[i] / largest);
    return true;
}

}  // namespace spln
