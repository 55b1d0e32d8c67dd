// The game's random numbers: a 32-bit linear congruential generator whose seed is reset
// from the time of day before every group of draws. The clock is handed in, so a test
// that fixes the millisecond knows every draw.
#pragma once

#include <cstdint>

namespace quillmere {

// The generator's step: seed × kRandomMultiplier + 1 (mod 2^32).
inline constexpr std::uint32_t kRandomMultiplier = 134775813;

// The current UTC time of day, in milliseconds since midnight (0 .. 86399999).
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint32_t MillisecondsOfDay() = 0;
};

// The machine's real clock.
class SystemClock final : public Clock {
 public:
  std::uint32_t MillisecondsOfDay() override;
};

// A clock that always reads the same millisecond until it is set to another.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(std::uint32_t ms = 0) : m_ms(ms) {}
  std::uint32_t MillisecondsOfDay() override { return m_ms; }
  void set(std::uint32_t ms) { m_ms = ms; }

 private:
  std::uint32_t m_ms;
};

// A round's clock: its i-th reading is a fixed function of the round's seed and i, so players
// of the round who make the same moves meet the same markets, muggers and cops.
class SeededClock final : public Clock {
 public:
  explicit SeededClock(std::uint64_t seed) : m_seed(seed) {}
  std::uint32_t MillisecondsOfDay() override { return Reading(m_seed, m_next++); }
  static std::uint32_t Reading(std::uint64_t seed, std::uint64_t i);

 private:
  std::uint64_t m_seed;
  std::uint64_t m_next = 0;
};

class Random {
 public:
  explicit Random(Clock& clock) : m_clock(&clock) {}

  // A uniform whole number in 0 .. n-1 (0 when n is 0): the seed steps to
  // seed × 134775813 + 1 and the draw is the high half of n × seed.
  std::uint32_t RandomBelow(std::uint32_t n);
  // The seed becomes the clock's millisecond of the day.
  void ReseedFromClock();

  std::uint32_t seed() const { return m_seed; }
  void setSeed(std::uint32_t seed) { m_seed = seed; }
  Clock& clock() { return *m_clock; }

 private:
  Clock* m_clock;
  std::uint32_t m_seed = 0;
};

}  // namespace quillmere
