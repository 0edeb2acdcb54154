#pragma once

#include <cstdint>

// The process-wide pseudo-random sequence of the noisy samples: a 32-bit
// linear congruential generator (multiplier 214013, increment 2531011) that
// starts at state 1 and is never seeded by the program, so every run goes on
// with the sequence where the previous one stopped.

namespace spln {

inline constexpr int kNoiseMax = 32767;

// Advances the sequence and returns the next integer in 0..32767.
int NextNoise();

// out[i] = NextNoise() for i = 0..n-1, in that order.
void NextNoises(int* out, int n);

// Restarts the sequence at the given state (1 is the state at program start).
void ResetNoise(std::uint32_t state = 1);

}  // namespace spln
