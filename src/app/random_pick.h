#pragma once
// The process's random generator, a 32-bit linear congruential one.

#include <cstdint>

// ((hour × 60 + minute) × 60 + second) × 1000 + millisecond, of UTC.
std::uint32_t SeedFromClock(int hour, int minute, int second, int millisecond);

// Steps seed := seed × 134775813 + 1 (mod 2^32) and returns the upper 32
// bits of seed × n: from 0 to n − 1, and 0 for n = 0.
std::uint32_t NextRandomBelow(std::uint32_t& seed, std::uint32_t n);
