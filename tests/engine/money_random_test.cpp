// Money arithmetic, typed amounts and the random generator.
#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "game/money.h"
#include "game/random.h"

namespace quillmere {
namespace {

constexpr Money kMax = std::numeric_limits<Money>::max();
constexpr Money kMin = std::numeric_limits<Money>::min();

TEST(Money, FactorsMultiplyLikeExtendedPrecisionTruncateAndStopAtTheLimits) {
  using enum Factor;
  const std::tuple<Factor, Money, Money> cases[] = {
      {Interest, 100, 104},   {Interest, 60, 62}, {Interest, 7000, 7349}, {Interest, 1000, 1050},
      {Interest, 2000, 2100}, {Interest, 0, 0},   {Debt, 2000, 2160},     {Debt, 1, 1},
      {Wear, 7000, 6300},     {Wear, 6300, 5670}, {Wear, 1, 0},           {Mugging, 2000, 1600},
      {Mugging, 2001, 1600},  {Mugging, 3, 2},    {Interest, -100, -104}, {Wear, -7000, -6300},
      {Interest, kMax, kMax}, {Debt, kMax, kMax}, {Debt, kMin, kMin},     {Wear, kMax, 1932735282}};
  for (const auto& [factor, value, expected] : cases)
    EXPECT_EQ(ScaleTruncate(value, factor), expected) << value;
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
