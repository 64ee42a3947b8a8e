#include "app/random_pick.h"

std::uint32_t SeedFromClock(int hour, int minute, int second, int millisecond) {
  return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

std::uint32_t NextRandomBelow(std::uint32_t& seed, std::uint32_t n) {
  seed = seed * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
}
