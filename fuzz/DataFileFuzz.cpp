// Fuzz target: arbitrary bytes as a data file (one column, two columns x and
// y, headers, comments, commas), read as a run reads it; the first byte asks
// for resampling.

#include "engine/CSplineEngine.h"
#include "engine/DataFile.h"

#include <sys/mman.h>
#include <unistd.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// One file in memory, rewritten for every input and read through its path.
struct MemoryFile {
    int fd = memfd_create("data.csv", 0);
    char path[64] = {};

    MemoryFile()
    {
        if (fd < 0)
            std::abort();
        std::snprintf(path, sizeof path, "/proc/self/fd/%d", fd);
    }

    void Hold(const std::uint8_t* data, std::size_t size)
    {
        if (ftruncate(fd, 0) != 0 || (size > 0 && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)))
            std::abort();
    }
};

float g_numbers[spln::kFileBufferSize];
double g_x[spln::kMaxDataSamples + 1];
int g_lines[spln::kMaxDataSamples + 1];
int g_columns[spln::kMaxDataSamples + 1];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MemoryFile file;
    const bool resample = size > 0 && (data[0] & 1) != 0;
    file.Hold(data, size);
    const spln::DataFileReading reading = spln::ReadDataFile(file.path, {g_numbers, g_x, g_lines, g_columns}, resample);
    if (std::memchr(reading.message, '\0', sizeof reading.message) == nullptr)
        std::abort();  // the message always ends within its buffer
    switch (reading.failure) {
    case spln::RunFailure::None:
        if (reading.samples < spln::kMinDataSamples || reading.samples > spln::kMaxDataSamples)
            std::abort();
        if (reading.columns != 1 && reading.columns != 2)
            std::abort();
        if (reading.columns == 2 && !(reading.left < reading.right))
            std::abort();
        if (reading.resampled && !resample)
            std::abort();
        for (int i = 0; i < reading.samples; ++i)
            if (!std::isfinite(g_numbers[i]))
                std::abort();
        break;
    case spln::RunFailure::NotANumber:
    case spln::RunFailure::NumberOutOfRange:
    case spln::RunFailure::BadData:
    case spln::RunFailure::WrongCount:
        // Every fault of the content is placed at a line and column.
        if (reading.line < 1 || reading.column < 1 || reading.message[0] == '\0')
            std::abort();
        break;
    default:
        std::abort();  // a file in memory is always there and never too large
    }
    return 0;
}
