// The asset sum and the bid code: exact codes for a known clock, and the layout's rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "engine/scripted_player.h"
#include "game/endscreen.h"

namespace quillmere {
namespace {

constexpr std::uint32_t kMs = 61234567;

std::string Code(const std::string& score) {
  FixedClock clock(kMs);
  Random random(clock);
  return EncryptString(score, random);
}

TEST(AssetSum, CountsMoneyCarAndGunLessTheDebtAndStopsAtTheLimits) {
  constexpr Money kMax = std::numeric_limits<Money>::max();
  constexpr Money kMin = std::numeric_limits<Money>::min();
  struct Case {
    Money cash, bank, car, gun, debt, sum;
  };
  const Case cases[] = {
      {2000, 0, 7000, 0, 2000, 7000}, {100, 200, 300, 400, 5000, -4000},
      {kMax, kMax, 7000, 0, 0, kMax}, {kMax, 0, 0, 0, -1, kMax},
      {5, 0, 0, 0, kMax, kMin + 6},   {kMin, 0, 0, 0, kMax, kMin},
  };
  for (const Case& c : cases) {
    GameState s;
    s.cash = c.cash;
    s.bank = c.bank;
    s.carValue = c.car;
    s.gunValue = c.gun;
    s.debt = c.debt;
    // Goods held are not assets.
    s.possession.push_back(Lot{Cocaine, 20000, 50});
    EXPECT_EQ(AssetSum(s), c.sum) << c.cash << " " << c.debt;
  }
}

TEST(BidCode, ExactCodeForAKnownScoreAndMillisecond) {
  // Worked out by hand from the generator and the layout.
  EXPECT_EQ(Code("1234567"),
            "9074111564698929680405483267755529095412133981229556285537115355942263885822896667"
            "1405827066995443856853985323322403228460021713618289204909588843530107031959451673"
            "224447904587866087704437144628846440103332859417293304556135");
}

TEST(BidCode, DrawsExactly130DigitsAfterTheReseed) {
  FixedClock clock(kMs);
  Random random(clock);
  random.setSeed(99);
  EncryptString("0", random);
  EXPECT_EQ(random.seed(), 2161107893u);
}

TEST(BidCode, LayoutHidesTheMirroredScoreAndRepeatsTheBlocksMirrored) {
  const char* scores[] = {"0", "7000", "-1234", "1234567890", "-1000000000", "2147483647"};
  const int positions[10] = {34, 93, 138, 45, 3, 101, 100, 66, 223, 76};
  for (const char* score : scores) {
    SCOPED_TRACE(score);
    const std::string code = Code(score);
    ASSERT_EQ(code.size(), 224u);
    std::string padded = score;
    while (padded.size() < 10) padded.insert(0, "0");
    for (int k = 0; k < 10; ++k) {
      EXPECT_EQ(kScorePositions[k], positions[k]);
      EXPECT_EQ(code[std::size_t(positions[k] - 1)], char(105 - padded[std::size_t(k)])) << k + 1;
    }
    // The check block mirrors F1 .. F6: positions 1-2, 4-33, 35-44, 46-65, 77-92, 94-99.
    std::string blocks;
    for (auto [first, last] : {std::pair{1, 2}, {4, 33}, {35, 44}, {46, 65}, {77, 92}, {94, 99}})
      blocks += code.substr(std::size_t(first - 1), std::size_t(last - first + 1));
    ASSERT_EQ(blocks.size(), 84u);
    for (std::size_t i = 0; i < blocks.size(); ++i)
      EXPECT_EQ(code[138 + i], char(105 - blocks[i])) << "check position " << 139 + i;
  }
}

TEST(BidCode, ScorePositionsDependOnlyOnTheScoreAndTheRestOnlyOnTheClock) {
  const std::string zero = Code("0");
  const std::string negative = Code("-1234");
  const std::string eleven = Code("-1000000000");
  // "-1234" widens to "00000-1234": the mirrored minus sign "<" is S[6], at position 101.
  EXPECT_EQ(negative[100], '<');
  // An eleven-character score hides only its first ten: "-100000000".
  EXPECT_EQ(eleven[33], '<');
  EXPECT_EQ(eleven[75], '9');
  std::size_t differing = 0;
  for (std::size_t i = 0; i < zero.size(); ++i) {
    const bool scorePosition = std::find(std::begin(kScorePositions), std::end(kScorePositions),
                                         int(i) + 1) != std::end(kScorePositions);
    if (!scorePosition) {
      EXPECT_EQ(zero[i], negative[i]) << i + 1;
    }
    if (zero[i] != negative[i]) ++differing;
  }
  EXPECT_EQ(differing, 5u);  // "-1234" stands in S[6..10]
  EXPECT_NE(Code("0"), [] {
    FixedClock clock(kMs + 1);
    Random random(clock);
    return EncryptString("0", random);
  }());
  // Only the negative score brings a character that is not a digit.
  EXPECT_EQ(zero.find_first_not_of("0123456789"), std::string::npos);
  EXPECT_EQ(negative.find_first_not_of("0123456789"), 100u);
}

TEST(BidCode, MirrorTurnsDigitsAroundAndTheMinusSignIntoLessThan) {
  for (char d = '0'; d <= '9'; ++d) EXPECT_EQ(Mirror(d), char('9' - (d - '0')));
  EXPECT_EQ(Mirror('-'), '<');
}

}  // namespace
}  // namespace quillmere
