// Money arithmetic, typed amounts and the random generator.
#include <gtest/gtest.h>

#include <limits>

#include "game/money.h"
#include "game/random.h"

namespace quillmere {
namespace {

constexpr Money kMax = std::numeric_limits<Money>::max();
constexpr Money kMin = std::numeric_limits<Money>::min();

struct ScaleCase {
  Factor factor;
  Money value;
  Money expected;
};

TEST(Money, FactorsMultiplyLikeExtendedPrecisionAndTruncate) {
  const ScaleCase cases[] = {
      {Factor::Interest, 100, 104},   {Factor::Interest, 60, 62},
      {Factor::Interest, 7000, 7349}, {Factor::Interest, 1000, 1050},
      {Factor::Interest, 2000, 2100}, {Factor::Interest, 0, 0},
      {Factor::Debt, 2000, 2160},     {Factor::Debt, 1, 1},
      {Factor::Wear, 7000, 6300},     {Factor::Wear, 6300, 5670},
      {Factor::Wear, 1, 0},           {Factor::Mugging, 2000, 1600},
      {Factor::Mugging, 2001, 1600},  {Factor::Mugging, 3, 2},
      {Factor::Interest, -100, -104}, {Factor::Wear, -7000, -6300},
  };
  for (const ScaleCase& c : cases)
    EXPECT_EQ(ScaleTruncate(c.value, c.factor), c.expected) << c.value;
}

TEST(Money, GrowthStopsAtTheLimits) {
  EXPECT_EQ(ScaleTruncate(kMax, Factor::Interest), kMax);
  EXPECT_EQ(ScaleTruncate(kMax, Factor::Debt), kMax);
  EXPECT_EQ(ScaleTruncate(kMin, Factor::Debt), kMin);
  EXPECT_EQ(ScaleTruncate(2100000000, Factor::Interest), kMax);
  EXPECT_EQ(ScaleTruncate(kMax, Factor::Wear), 1932735282);
  EXPECT_EQ(AddMoney(kMax, 1), kMax);
  EXPECT_EQ(SubMoney(kMin, 1), kMin);
  EXPECT_EQ(MulMoney(99000, 99000), kMax);
  EXPECT_EQ(MulMoney(-2, kMax), kMin);
  EXPECT_EQ(AddMoney(-5, 3), -2);
}

TEST(Money, TypedAmounts) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"0", 0},        {"42", 42},          {"-7", -7},          {"+7", 7},
      {"  12", 12},    {"2147483647", kMax}, {"-2147483648", kMin},
      {"2147483648", std::nullopt},          {"-2147483649", std::nullopt},
      {"", std::nullopt}, {"-", std::nullopt}, {"1.5", std::nullopt}, {"12 ", std::nullopt},
      {"abc", std::nullopt}, {"99999999999999999999", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseInt32(c.text), c.value) << c.text;
  EXPECT_EQ(ReadAmount("abc"), 0);
  EXPECT_EQ(ReadAmount("-3"), -3);
  EXPECT_EQ(StepAmount("abc", 1), "1");
  EXPECT_EQ(StepAmount("5", -1), "4");
  EXPECT_EQ(StepAmount("2147483647", 1), "2147483647");
  EXPECT_EQ(ToText(0), "0");
  EXPECT_EQ(ToText(-2000), "-2000");
}

TEST(Random, ExactSequenceFromSeedZero) {
  FixedClock clock;
  Random random(clock);
  const std::uint32_t ranges[] = {2700, 3, 10000, 45, 6, 100};
  const std::uint32_t expected[] = {0, 0, 8610, 9, 1, 67};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(random.RandomBelow(ranges[i]), expected[i]) << i;
}

TEST(Random, ReseedRestartsTheSequenceAtTheMillisecond) {
  FixedClock clock(12345678);
  Random random(clock);
  random.ReseedFromClock();
  EXPECT_EQ(random.seed(), 12345678u);
  const std::uint32_t expected[] = {6, 5, 1, 9, 3};
  for (std::uint32_t e : expected) EXPECT_EQ(random.RandomBelow(10), e);
  random.ReseedFromClock();
  EXPECT_EQ(random.RandomBelow(10), 6u);
  EXPECT_EQ(random.RandomBelow(0), 0u);
}

TEST(Random, SystemClockReadsTheTimeOfDay) {
  SystemClock clock;
  EXPECT_LT(clock.MillisecondsOfDay(), 86400000u);
}

}  // namespace
}  // namespace quillmere
