// Whole-dollar arithmetic that never wraps, and the extended-precision factors.
#include "game/money.h"

#include <bit>
#include <charconv>
#include <limits>

namespace quillmere {

namespace {

constexpr std::int64_t kMin = std::numeric_limits<Money>::min();
constexpr std::int64_t kMax = std::numeric_limits<Money>::max();

// A factor as significand / 2^shift, the significand the nearest 64-bit value.
struct Extended {
  std::uint64_t significand;
  int shift;
};

constexpr Extended ExtendedOf(Factor factor) {
  switch (factor) {
    case Factor::Interest:
      return {9684540638697514598ULL, 63};  // just below 1.05
    case Factor::Debt:
      return {9961241799803157873ULL, 63};  // just above 1.08
    case Factor::Wear:
      return {16602069666338596454ULL, 64};  // just below 0.9
    case Factor::Mugging:
      return {14757395258967641293ULL, 64};  // just above 0.8
  }
  return {1ULL << 63, 63};
}

// A product of up to 96 bits as its high and low 64-bit halves.
struct Product {
  std::uint64_t high;
  std::uint64_t low;
};

// magnitude × significand exactly, for a magnitude of at most 2^32: each partial product
// of the significand's 32-bit halves then fits in 64 bits.
constexpr Product MultiplyExact(std::uint64_t magnitude, std::uint64_t significand) {
  const std::uint64_t low = magnitude * (significand & 0xFFFFFFFFu);
  const std::uint64_t middle = magnitude * (significand >> 32);
  const std::uint64_t sum = low + (middle << 32);
  return {(middle >> 32) + (sum < low ? 1u : 0u), sum};
}

// The product rounded to 64 significant bits (nearest, ties to even), then divided by
// 2^shift (63 or 64) and truncated.
constexpr std::uint64_t RoundThenShift(Product p, int shift) {
  if (p.high == 0) return shift >= 64 ? 0 : p.low >> shift;
  // The product has 64 + drop bits; the lowest drop of them are rounded away.
  const int drop = static_cast<int>(std::bit_width(p.high));
  std::uint64_t kept = (p.high << (64 - drop)) | (p.low >> drop);
  const std::uint64_t rest = p.low & ((std::uint64_t{1} << drop) - 1);
  const std::uint64_t half = std::uint64_t{1} << (drop - 1);
  bool carry = false;
  if (rest > half || (rest == half && (kept & 1) != 0)) carry = ++kept == 0;
  // kept × 2^drop / 2^shift; a carry out of kept is 2^64.
  const int down = shift - drop;
  return carry ? std::uint64_t{1} << (64 - down) : kept >> down;
}

}  // namespace

Money Saturate(std::int64_t value) {
  if (value < kMin) return static_cast<Money>(kMin);
  if (value > kMax) return static_cast<Money>(kMax);
  return static_cast<Money>(value);
}

Money AddMoney(Money a, Money b) { return Saturate(std::int64_t{a} + b); }
Money SubMoney(Money a, Money b) { return Saturate(std::int64_t{a} - b); }
Money MulMoney(Money a, Money b) { return Saturate(std::int64_t{a} * b); }

void MoveMoney(Money& from, Money& to) {
  const Money held = Saturate(std::int64_t{to} + from);
  from = static_cast<Money>(from - (std::int64_t{held} - to));
  to = held;
}

Money ScaleTruncate(Money value, Factor factor) {
  const Extended f = ExtendedOf(factor);
  const bool negative = value < 0;
  const std::uint64_t magnitude =
      negative ? std::uint64_t(-std::int64_t{value}) : std::uint64_t(value);
  const std::uint64_t whole = RoundThenShift(MultiplyExact(magnitude, f.significand), f.shift);
  // Truncate toward zero: the sign is applied to the magnitude's whole part.
  const std::int64_t result = whole > std::uint64_t(kMax) + 1 ? kMax + 1 : std::int64_t(whole);
  return Saturate(negative ? -result : result);
}

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  text.remove_prefix(i);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t magnitude = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + std::uint64_t(c - '0');
    if (magnitude > std::uint64_t(kMax) + 1) return std::nullopt;
  }
  const std::int64_t value = negative ? -std::int64_t(magnitude) : std::int64_t(magnitude);
  if (value < kMin || value > kMax) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::int32_t ReadAmount(std::string_view text) { return ParseInt32(text).value_or(0); }

std::string StepAmount(std::string_view text, int delta) {
  return ToText(Saturate(std::int64_t{ReadAmount(text)} + delta));
}

std::string ToText(std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace quillmere
