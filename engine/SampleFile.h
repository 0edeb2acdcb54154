#pragma once

#include "engine/CSplineEngine.h"

// Reading the sample file: white-space separated decimal numbers held in
// single precision. Uses only POSIX open/read and fixed buffers, so a run that
// reads the file allocates nothing.

namespace spln {

// Outcome of reading a sample file.
struct SampleFileReading {
    RunFailure failure;  // None, FileMissing, NotAFile, NotANumber, NumberOutOfRange or TooLarge
    int detail;          // errno for FileMissing, the InputKind for NotAFile, 1-based item position for NotANumber and
                         // NumberOutOfRange
    int count;           // numbers found (also beyond the capacity), up to INT_MAX
};

// Writes into out the path of the sample file: chosen when it is not empty,
// else "sig.dat" in the current directory.
void ResolveSampleFilePath(const char* chosen, char* out, int outSize);

// Reads the numbers of the file at path into numbers[0..capacity-1] and counts
// them. A pipe or a terminal is read only as standard input, anything else
// that is not a regular file is refused unread (spln::OpenInput). A token that is not a number in the form
// [+-]digits[.digits][e[+-]digits] (or with the digits after the point only) stops the reading, and so does a file that
// goes on past byteLimit bytes. A UTF-8 byte-order mark at the start of the file is skipped.
SampleFileReading ReadSampleNumbers(const char* path, float* numbers, int capacity,
                                    long long byteLimit = kMaxSampleFileBytes);

// Parses one complete token of that form into value, correctly rounded.
// Returns None, NotANumber, or NumberOutOfRange for a magnitude beyond single
// precision; a magnitude below it becomes a zero of the token's sign.
RunFailure ParseSampleNumber(const char* text, int length, float& value);

// Divides the count numbers by their largest magnitude, in place. Returns
// false, changing nothing, when every number is zero.
bool NormaliseByLargestMagnitude(float* numbers, int count);

}  // namespace spln
