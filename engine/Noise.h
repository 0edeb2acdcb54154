#pragma once

// The pseudo-random sequence of the noisy samples: a 32-bit linear
// congruential generator (multiplier 214013, increment 2531011). The
// process-wide sequence starts at state 1 and is never seeded by the program,
// so every run goes on with the sequence where the previous one stopped; a
// study keeps a sequence of its own, started from its seed.

#include <cstdint>

namespace spln {

inline constexpr int kNoiseMax = 32767;

class NoiseSequence {
public:
    explicit NoiseSequence(std::uint32_t state = 1) : m_state(state) {}

    // Advances the sequence and returns the next integer in 0..32767.
    int Next()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

    void Reset(std::uint32_t state = 1) { m_state = state; }

    // Moves on by `draws` draws at once, as that many calls of Next would.
    void Skip(std::uint64_t draws);

    std::uint32_t State() const { return m_state; }

private:
    std::uint32_t m_state;
};

// Advances the process-wide sequence and returns the next integer in 0..32767.
int NextNoise();

// out[i] = NextNoise() for i = 0..n-1, in that order.
void NextNoises(int* out, int n);

// Restarts the process-wide sequence at the given state (1 is the state at program start).
void ResetNoise(std::uint32_t state = 1);

}  // namespace spln
