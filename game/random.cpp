// The linear congruential generator and the clock it is reseeded from.
#include "game/random.h"

#include <chrono>

namespace quillmere {

std::uint32_t SystemClock::MillisecondsOfDay() {
  using namespace std::chrono;
  const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  return static_cast<std::uint32_t>(now % (24LL * 60 * 60 * 1000));
}

std::uint32_t SeededClock::Reading(std::uint64_t seed, std::uint64_t i) {
  // SplitMix64 of the seed and the reading's number: every bit of both stirs every bit.
  std::uint64_t z = seed + (i + 1) * 0x9E3779B97F4A7C15ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  return static_cast<std::uint32_t>(z % (24ULL * 60 * 60 * 1000));
}

std::uint32_t Random::RandomBelow(std::uint32_t n) {
  m_seed = m_seed * kRandomMultiplier + 1u;
  return static_cast<std::uint32_t>((std::uint64_t{n} * m_seed) >> 32);
}

void Random::ReseedFromClock() { m_seed = m_clock->MillisecondsOfDay(); }

}  // namespace quillmere
