// The new game, the market of the day and the buy proposal of the info panel.
#include <gtest/gtest.h>

#include <array>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using testing::GameFixture;

// Prices of the thirteen rows for a millisecond, 0 where the good is not on offer; worked out
// apart from the engine by stepping the generator by hand.
using Prices = std::array<Money, kGoodCount>;

Prices MarketPrices(const GameState& s) {
  Prices prices{};
  for (std::size_t good = 0; good < kGoodCount; ++good)
    prices[good] = s.market[good].offered ? s.market[good].price : 0;
  return prices;
}

TEST(Market, ExactPricesForAFixedMillisecond) {
  const std::pair<std::uint32_t, Prices> cases[] = {
      {0, {1300, 0, 17025, 0, 609, 0, 0, 0, 0, 670, 85, 1000, 6873}},
      {2, {1469, 22441, 15703, 20, 689, 15940, 927, 0, 516, 781, 86, 805, 3093}},
      {12345678, {2990, 18066, 18677, 0, 0, 14779, 504, 0, 666, 1507, 0, 731, 3422}},
      {86399999, {3252, 20380, 0, 0, 0, 16556, 1090, 0, 436, 1349, 119, 688, 5744}},
  };
  for (const auto& [ms, prices] : cases) {
    GameFixture f;
    f.clock.set(ms);
    f.game.random().setSeed(99);  // whatever came before, the market starts from the clock
    // Coming back from Tijuana alone, the trip's street event is only the border, which
    // changes no price.
    f.s.wasInTijuana = true;
    f.act(Travel{Place::Downtown});
    EXPECT_EQ(MarketPrices(f.s), prices) << ms;
    EXPECT_EQ(f.v.infoGood, Acid);
    EXPECT_EQ(f.v.infoPrice, prices[Acid]);
  }
}

TEST(Market, ProposalIsWhatTheCashPaysForCutToTheGoodsOwnSpace) {
  struct Case {
    int good;
    Money price, cash;
    std::int32_t seats, trunk;
    const char* proposal;
  } const cases[] = {
      {Acid, 1500, 2000, 4, 80, "1"},
      {Ecstasy, 20, 2000, 4, 80, "80"},
      {Ecstasy, 20, 2000, 4, 200, "100"},
      {Whore, 3000, 100000, 4, 0, "4"},  // seats, never the trunk
      {Acid, 1500, -2000, 4, 80, "-1"},  // toward zero
      {Acid, 0, 0, 4, 80, "80"},         // a free good: all the space
      {Whore, 0, 0, 3, 80, "3"},
      {Acid, 1, 2147483647, 4, 800, "800"},
      {Acid, 1, 50, 4, 80, "50"},
      {Cocaine, 20000, 2147483647, 4, 800000, "107374"},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.cash = c.cash;
    f.s.seatsFree = c.seats;
    f.s.trunkFree = c.trunk;
    f.s.market[static_cast<std::size_t>(c.good)] = MarketRow{true, c.price};
    f.act(PickGood{c.good + 1});
    EXPECT_EQ(f.v.buyText, c.proposal) << c.good << " at " << c.price << " with " << c.cash;
    EXPECT_EQ(std::pair(f.v.infoGood, f.v.infoPrice), std::pair(c.good, c.price));
  }
}

}  // namespace
}  // namespace quillmere
