// Money arithmetic, typed amounts and the random generator.
#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "game/money.h"
#include "game/random.h"

namespace quillmere {
namespace {

constexpr Money kMax = std::numeric_limits<Money>::max();
constexpr Money kMin = std::numeric_limits<Money>::min();

TEST(Money, FactorsMultiplyLikeExtendedPrecisionTruncateAndStopAtTheLimits) {
  using enum Factor;
  struct Case {
    Factor factor;
    Money value, expected;
  } const cases[] = {
      {.factor = Interest, .value = 100, .expected = 104},
      {.factor = Interest, .value = 60, .expected = 62},
      {.factor = Interest, .value = 7000, .expected = 7349},
      {.factor = Interest, .value = 1000, .expected = 1050},
      {.factor = Interest, .value = 2000, .expected = 2100},
      {.factor = Interest, .value = 0, .expected = 0},
      {.factor = Debt, .value = 2000, .expected = 2160},
      {.factor = Debt, .value = 1, .expected = 1},
      {.factor = Wear, .value = 7000, .expected = 6300},
      {.factor = Wear, .value = 6300, .expected = 5670},
      {.factor = Wear, .value = 1, .expected = 0},
      {.factor = Mugging, .value = 2000, .expected = 1600},
      {.factor = Mugging, .value = 2001, .expected = 1600},
      {.factor = Mugging, .value = 3, .expected = 2},
      {.factor = Interest, .value = -100, .expected = -104},
      {.factor = Wear, .value = -7000, .expected = -6300},
      {.factor = Interest, .value = kMax, .expected = kMax},
      {.factor = Debt, .value = kMax, .expected = kMax},
      {.factor = Debt, .value = kMin, .expected = kMin},
      {.factor = Wear, .value = kMax, .expected = 1932735282},
  };
  for (const Case& c : cases) EXPECT_EQ(ScaleTruncate(c.value, c.factor), c.expected) << c.value;
  EXPECT_EQ(ScaleTruncate(2100000000, Interest), kMax);
  EXPECT_EQ(AddMoney(kMax, 1), kMax);
  EXPECT_EQ(SubMoney(kMin, 1), kMin);
  EXPECT_EQ(MulMoney(99000, 99000), kMax);
  EXPECT_EQ(MulMoney(-2, kMax), kMin);
}

TEST(Money, TypedAmounts) {
  const std::pair<const char*, std::int32_t> numbers[] = {
      {"0", 0},     {"42", 42},           {"-7", -7},           {"+7", 7},
      {"  12", 12}, {"2147483647", kMax}, {"-2147483648", kMin}};
  for (const auto& [text, value] : numbers) EXPECT_EQ(ParseInt32(text), value) << text;
  for (const char* text :
       {"2147483648", "-2147483649", "", "-", "1.5", "12 ", "abc", "99999999999999999999"})
    EXPECT_EQ(ParseInt32(text), std::nullopt) << text;
  EXPECT_EQ(ReadAmount("abc"), 0);
  EXPECT_EQ(StepAmount("abc", 1), "1");
  EXPECT_EQ(StepAmount("5", -1), "4");
  EXPECT_EQ(StepAmount("2147483647", 1), "2147483647");
}

TEST(Random, ExactSequenceFromTheClockAndAgainAfterAReseedInTheSameMillisecond) {
  FixedClock clock(12345678);
  Random random(clock);
  random.ReseedFromClock();
  for (std::uint32_t expected : {6u, 5u, 1u, 9u, 3u}) EXPECT_EQ(random.RandomBelow(10), expected);
  random.ReseedFromClock();
  EXPECT_EQ(random.RandomBelow(10), 6u);
  EXPECT_EQ(random.RandomBelow(0), 0u);
}

}  // namespace
}  // namespace quillmere
