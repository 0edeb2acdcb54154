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

void NextNoises(int* out, int n)
{
    std::uint32_t state = g_noiseState;
    for (int i = 0; i < n; ++i) {
        state = state * 214013u + 2531011u;
        out[i] = static_cast<int>((state >> 16) & 0x7FFFu);
    }
    g_noiseState = state;
}

void ResetNoise(std::uint32_t state)
{
    g_noiseState = state;
}

}  // namespace spln
