// Fuzz target: arbitrary bytes as the content of a sample file, read and
// normalised as a run would.

#include "engine/CSplineEngine.h"
#include "engine/SampleFile.h"

#include <sys/mman.h>
#include <unistd.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// One file in memory, rewritten for every input and read through its path.
struct MemoryFile {
    int fd = memfd_create("sig.dat", 0);
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MemoryFile file;
    file.Hold(data, size);
    const spln::SampleFileReading reading = spln::ReadSampleNumbers(file.path, g_numbers, spln::kFileBufferSize);
    if (reading.count < 0)
        std::abort();
    const int stored = reading.count < spln::kFileBufferSize ? reading.count : spln::kFileBufferSize;
    switch (reading.failure) {
    case spln::RunFailure::None:
        break;
    case spln::RunFailure::NotANumber:
    case spln::RunFailure::NumberOutOfRange:
        // The item that stopped the reading comes right after the numbers read.
        if (reading.detail != reading.count + 1)
            std::abort();
        break;
    default:
        std::abort();  // a file in memory is always there and never too large
    }
    for (int i = 0; i < stored; ++i)
        if (!std::isfinite(g_numbers[i]))
            std::abort();
    if (spln::NormaliseByLargestMagnitude(g_numbers, stored)) {
        for (int i = 0; i < stored; ++i)
            if (!(std::fabs(g_numbers[i]) <= 1.0f))
                std::abort();
    }
    return 0;
}
