// The linear congruential generator and the clock it is reseeded from.
#include "game/random.h"

#include <chrono>

namespace quillmere {

std::uint32_t SystemClock::MillisecondsOfDay() {
  using namespace std::chrono;
  const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  return static_cast<std::uint32_t>(now % (24LL * 60 * 60 * 1000));
}

std::uint32_t Random::RandomBelow(std::uint32_t n) {
  m_seed = m_seed * kRandomMultiplier + 1u;
  return static_cast<std::uint32_t>((std::uint64_t{n} * m_seed) >> 32);
}

void Random::ReseedFromClock() { m_seed = m_clock->MillisecondsOfDay(); }

}  // namespace quillmere
