// The asset sum and the bid code: an exact code for a known clock, the layout's rules, and
// reading a code back.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "game/result.h"
#include "game/state.h"

namespace quillmere {
namespace {

std::string Code(const std::string& score) {
  FixedClock clock(61234567);
  Random random(clock);
  return EncryptString(score, random);
}

TEST(AssetSum, CountsMoneyCarAndGunLessTheDebtAndStopsAtTheLimits) {
  constexpr Money kMax = std::numeric_limits<Money>::max();
  constexpr Money kMin = std::numeric_limits<Money>::min();
  // cash, bank, car, gun, debt, sum
  const Money cases[][6] = {{100, 200, 300, 400, 5000, -4000},
                            {5, 0, 0, 0, kMax, kMin + 6},
                            {kMax, kMax, 7000, 0, 0, kMax},
                            {kMin, 0, 0, 0, kMax, kMin}};
  for (const auto& c : cases) {
    GameState s;
    s.cash = c[0], s.bank = c[1], s.carValue = c[2], s.gunValue = c[3], s.debt = c[4];
    s.possession.push_back(Lot{Cocaine, 20000, 50});  // goods held are not assets
    EXPECT_EQ(AssetSum(s), c[5]) << c[0];
  }
}

TEST(BidCode, ExactCodeForAKnownScoreAndMillisecond) {
  // Worked out by hand from the generator and the layout.
  EXPECT_EQ(Code("1234567"),
            "9074111564698929680405483267755529095412133981229556285537115355942263885822896667"
            "1405827066995443856853985323322403228460021713618289204909588843530107031959451673"
            "224447904587866087704437144628846440103332859417293304556135");
}

TEST(BidCode, HidesTenMirroredScoreCharactersAndRepeatsTheFirstBlocksMirrored) {
  const int positions[10] = {34, 93, 138, 45, 3, 101, 100, 66, 223, 76};
  const std::string zero = Code("0");
  // "-1234" widens to "00000-1234"; of "-1000000000" only "-100000000" is hidden.
  for (const std::string score : {"0", "-1234", "1234567890", "-1000000000", "2147483647"}) {
    SCOPED_TRACE(score);
    const std::string code = Code(score);
    ASSERT_EQ(code.size(), 224u);
    const std::string padded = std::string(score.size() < 10 ? 10 - score.size() : 0, '0') + score;
    std::string others = code, zeroOthers = zero;
    for (int k = 0; k < 10; ++k) {
      const std::size_t at = std::size_t(positions[k] - 1);
      EXPECT_EQ(code[at], char(105 - padded[std::size_t(k)])) << "S[" << k + 1 << "]";
      others[at] = zeroOthers[at] = '?';
    }
    // Everything but the ten score positions comes from the clock alone.
    EXPECT_EQ(others, zeroOthers);
    // The check block mirrors positions 1-2, 4-33, 35-44, 46-65, 77-92 and 94-99.
    std::string blocks;
    for (auto [first, last] : {std::pair{1, 2}, {4, 33}, {35, 44}, {46, 65}, {77, 92}, {94, 99}})
      blocks += code.substr(std::size_t(first - 1), std::size_t(last - first + 1));
    ASSERT_EQ(blocks.size(), 84u);
    for (std::size_t i = 0; i < blocks.size(); ++i)
      EXPECT_EQ(code[138 + i], char(105 - blocks[i])) << "position " << 139 + i;
  }
  // A minus sign mirrors to "<", the one character that is not a digit.
  EXPECT_EQ(Code("-1234").find_first_not_of("0123456789"), 100u);
  EXPECT_EQ(Code("-1000000000")[33], '<');
}

TEST(ReadBidCode, ReadsBackEveryScoreTheGameCanHide) {
  for (const std::string score : {"0", "7", "1234567", "-1", "-1234", "2147483647", "-999999999",
                                  "-2147483648", "1234567890"}) {
    const BidReading reading = ReadBidCode(Code(score));
    EXPECT_EQ(reading.status, BidReading::Valid) << score;
    // Only the first ten characters are hidden: "-2147483648" reads as "-214748364".
    EXPECT_EQ(reading.score, std::stoll(score.substr(0, 10))) << score;
  }
}

TEST(ReadBidCode, RefusesWhatTheGameCannotMake) {
  const std::string good = Code("1234567");
  auto with = [&](std::size_t position, char c) {
    std::string code = good;
    code[position - 1] = c;
    return code;
  };
  auto withScore = [&](const std::string& padded) {
    std::string code = good;
    for (std::size_t k = 0; k < 10; ++k)
      code[std::size_t(kScorePositions[k] - 1)] = Mirror(padded[k]);
    return code;
  };
  const std::pair<std::string, BidReading::Status> cases[] = {
      {"", BidReading::TooShort},
      {good.substr(1), BidReading::TooShort},
      {good + "0", BidReading::TooLong},
      {with(224, 'x'), BidReading::BadCharacter},
      {with(10, ' '), BidReading::BadCharacter},
      {with(10, char(0xC3)), BidReading::BadCharacter},
      {with(1, good[0] == '9' ? '8' : '9'), BidReading::Typo},      // F1 no longer fits the check
      {with(150, good[149] == '9' ? '8' : '9'), BidReading::Typo},  // the check block itself
      {with(70, '<'), BidReading::Typo},                            // a minus in F7
      {with(70, good[69] == '9' ? '8' : '9'), BidReading::Typo},    // F7 not drawn by the seed
      {with(120, good[119] == '9' ? '8' : '9'), BidReading::Typo},  // nor F8
      {with(224, good[223] == '9' ? '8' : '9'), BidReading::Typo},  // nor F9
      {withScore("2147483648"), BidReading::Typo},                  // beyond a 32-bit sum
      {withScore("000-000012"), BidReading::Typo},                  // a zero after the minus
      {withScore("0001-23456"), BidReading::Typo},                  // a minus inside the digits
      {withScore("000000001-"), BidReading::Typo},
  };
  for (const auto& [code, status] : cases) EXPECT_EQ(ReadBidCode(code).status, status) << code;
  EXPECT_EQ(ReadBidCode(with(224, 'x')).character, 'x');
  EXPECT_EQ(ReadBidCode(withScore("0000-12345")).score, -12345);
}

TEST(ReadBidCode, FindsTheMillisecondTheCodeWasMadeAt) {
  // The edges of the search's split of a millisecond, and a spread over the whole day.
  std::vector<std::uint32_t> times = {0, 1, 65535, 65536, 61234567, 86399999};
  for (std::uint32_t i = 0; i < 50; ++i) times.push_back(i * 1728001 + 7);
  for (std::uint32_t ms : times) {
    FixedClock clock(ms);
    Random random(clock);
    const BidReading reading = ReadBidCode(EncryptString("-42", random));
    EXPECT_EQ(reading.status, BidReading::Valid) << ms;
    EXPECT_EQ(reading.seed, ms);
  }
  // Digits that no reseed of the day draws: the seed after the day's last millisecond.
  FixedClock clock(86400000);
  Random random(clock);
  EXPECT_EQ(ReadBidCode(EncryptString("7", random)).status, BidReading::Typo);
}

}  // namespace
}  // namespace quillmere
