// The process-wide pseudo-random sequence of the noisy samples.

#include "engine/Noise.h"

namespace spln {

namespace {
NoiseSequence g_noise;
}

void NoiseSequence::Skip(std::uint64_t draws)
{
    // Composes the step x -> a x + c with itself by repeated squaring:
    // the powers of two of the step are applied where draws has a bit set.
    std::uint32_t a = 214013u;
    std::uint32_t c = 2531011u;
    while (draws != 0) {
        if (draws & 1u)
            m_state = m_state * a + c;
        c = c * a + c;
        a = a * a;
        draws >>= 1;
    }
}

int NextNoise()
{
    return g_noise.Next();
}

void NextNoises(int* out, int n)
{
    for (int i = 0; i < n; ++i)
        out[i] = g_noise.Next();
}

void ResetNoise(std::uint32_t state)
{
    g_noise.Reset(state);
}

}  // namespace spln
