// The process-wide pseudo-random sequence of the noisy samples.

#include "engine/Noise.h"

namespace spln {

namespace {
std::uint32_t g_noiseState = 1;
}

int NextNoise()
{
    g_noiseState = g_noiseState * 214013u + 2531011u;
    return static_cast<int>((g_noiseState >> 16) & 0x7FFFu);
}

void ResetNoise(std::uint32_t state)
{
    g_noiseState = state;
}

}  // namespace spln
