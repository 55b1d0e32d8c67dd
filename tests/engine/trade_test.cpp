// Picking goods, buying them into lots and selling lots at today's prices.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using Lines = std::vector<std::string>;
constexpr Money kMax = 2147483647;

// A game whose market offers only the goods a test names.
struct Trade : testing::GameFixture {
  void offer(int good, Money price) {
    s.market[static_cast<std::size_t>(good)] = MarketRow{true, price};
  }
  void buy(int good, Money price, const char* amount) {
    offer(good, price);
    act(PickGood{good + 1});
    v.buyText = amount;
    act(Buy{});
  }
  void sell(int row, const char* amount) {
    act(PickLot{row});
    v.sellText = amount;
    act(Sell{});
  }
  // What the player holds: cash, free seats, free trunk space.
  std::tuple<Money, std::int32_t, std::int32_t> held() const {
    return {s.cash, s.seatsFree, s.trunkFree};
  }
};

TEST(Trade, BuyingTheWorkedExampleAndClicksThatPickNothing) {
  Trade t;
  t.offer(Acid, 1500);
  t.v.buyText = "5";
  for (int row : {-1, 0, Cocaine + 1, kGoodCount + 1}) t.act(PickGood{row});
  EXPECT_EQ(t.v.buyText, "5");
  t.act(PickGood{Acid + 1});
  EXPECT_EQ(t.v.buyText, "1");
  t.act(Buy{});
  EXPECT_EQ(t.held(), std::tuple(500, 4, 79));
  EXPECT_EQ(t.s.possession, (std::vector{Lot{Acid, 1500, 1}}));
  EXPECT_TRUE(t.v.possessionHeaderFixed);
  EXPECT_EQ(t.v.buyText, "0");
  EXPECT_TRUE(t.player.boxes.empty());
}

TEST(Trade, BuyChecksInOrderAndARefusalChangesNothing) {
  struct Case {
    int good;
    Money price;
    const char* amount;
    Money cash;
    std::int32_t seats, trunk;
    const char* message;
  } const cases[] = {
      {Whore, 90000, "5", 2000, 4, 80, "Insufficient Seat Space"},  // space before funds
      {Acid, 1500, "81", 200000, 4, 80, "Insufficient Trunk Space"},
      {Whore, 3000, "5", 200000, 4, 800, "Insufficient Seat Space"},
      {Acid, 1500, "0", 2000, 4, 80, "Invalid Purchase Amount Entered"},
      {Acid, 1500, "-3", 2000, 4, 80, "Invalid Purchase Amount Entered"},
      {Acid, 1500, "abc", 2000, 4, 80, "Invalid Purchase Amount Entered"},
      {Acid, 1500, "-3", 2000, 4, -5, "Insufficient Trunk Space"},
      {Acid, 1500, "2", 2999, 4, 80, "Insufficient Funds"},
      {Cocaine, 109999, "20000", kMax, 4, 800000, "Insufficient Funds"},  // past 32 bits
  };
  for (const Case& c : cases) {
    Trade t;
    t.s.cash = c.cash, t.s.seatsFree = c.seats, t.s.trunkFree = c.trunk;
    t.v.infoGood = c.good, t.v.infoPrice = c.price, t.v.buyText = c.amount;
    t.act(Buy{});
    EXPECT_EQ(t.player.texts(), Lines{c.message}) << c.good << " x " << c.amount;
    EXPECT_EQ(t.player.boxes.at(0).kind, DialogKind::Error);
    EXPECT_EQ(t.held(), std::tuple(c.cash, c.seats, c.trunk));
    EXPECT_TRUE(t.s.possession.empty());
  }
}

TEST(Trade, PurchasesThatSpendAllTheCashOrNothing) {
  Trade t;
  t.buy(Ecstasy, 20, "100");  // exactly the 2000 in cash, but the trunk holds 80
  EXPECT_EQ(t.player.texts(), Lines{"Insufficient Trunk Space"});
  t.s.trunkFree = 200;
  t.act(Buy{});
  EXPECT_EQ(t.held(), std::tuple(0, 4, 100));

  t.buy(Acid, 0, "30");  // news made it free
  EXPECT_EQ(t.s.possession[1], (Lot{Acid, 0, 30}));
  EXPECT_EQ(t.v.buyText, "70");  // the rest of the trunk

  t.s.cash = 100000;
  t.buy(Whore, 3000, "4");
  EXPECT_EQ(t.held(), std::tuple(88000, 0, 70));
}

TEST(Trade, EachPurchaseIsItsOwnLotAndSoldOutRowsAreReused) {
  Trade t;
  t.s.cash = 100000;
  t.buy(Ecstasy, 20, "10");
  t.buy(Ecstasy, 30, "5");
  t.buy(Acid, 1500, "2");
  EXPECT_EQ(t.s.possession,
            (std::vector{Lot{Ecstasy, 20, 10}, Lot{Ecstasy, 30, 5}, Lot{Acid, 1500, 2}}));

  t.sell(2, "5");  // the second lot, whole
  EXPECT_TRUE(t.s.possession[1].empty());
  t.buy(Weed, 500, "3");
  ASSERT_EQ(t.s.possession.size(), 3u);
  EXPECT_EQ(t.s.possession[1], (Lot{Weed, 500, 3}));
  EXPECT_EQ(t.v.sellText, "5");  // a reused row leaves the sell box alone

  t.act(PickLot{1});
  t.buy(Speed, 100, "1");
  EXPECT_EQ(t.s.possession.size(), 4u);
  EXPECT_EQ(t.v.sellText, "0");  // a new row at the bottom resets it
}

TEST(Trade, PickingALotForSale) {
  Trade t;
  t.s.possession = {Lot{Acid, 1500, 7}, Lot{}};
  for (int row : {-1, 0, 2, 3}) t.act(PickLot{row});
  EXPECT_FALSE(t.v.sellEnabled || t.v.sellSelection);
  EXPECT_EQ(t.v.sellText, "0");

  t.act(PickLot{1});
  t.act(PickLot{2});  // an empty row keeps the choice and the controls
  EXPECT_TRUE(t.v.sellEnabled);
  EXPECT_EQ(t.v.sellText, "7");
  ASSERT_TRUE(t.v.sellSelection);
  EXPECT_EQ(std::tuple(t.v.sellSelection->good, t.v.sellSelection->count, t.v.sellSelection->row),
            std::tuple(Acid, 7, 0));
}

TEST(Trade, SellingPaysTodaysPriceAndFreesTheSpace) {
  Trade t;
  t.s.possession = {Lot{Acid, 1500, 10}, Lot{Whore, 3000, 2}};
  t.s.trunkFree = 70;
  t.s.seatsFree = 2;
  t.offer(Acid, 2000);
  t.offer(Whore, 5000);

  t.sell(1, "4");
  EXPECT_EQ(t.held(), std::tuple(10000, 2, 74));
  EXPECT_EQ(t.s.possession[0], (Lot{Acid, 1500, 6}));
  EXPECT_FALSE(t.v.sellEnabled);
  EXPECT_EQ(t.v.sellText, "10");  // the lot's count before the sale

  t.sell(2, "2");
  EXPECT_EQ(t.held(), std::tuple(20000, 4, 74));
  EXPECT_TRUE(t.s.possession[1].empty());
  EXPECT_EQ(t.s.possession.size(), 2u);

  // At the limit only the units the cash can still be paid for are sold; none, if none can.
  t.s.cash = kMax - 5000;
  t.sell(1, "6");
  EXPECT_EQ(std::pair(t.s.cash, t.s.possession[0].count), std::pair(kMax - 1000, 4));
  t.sell(1, "4");
  EXPECT_EQ(std::pair(t.s.cash, t.s.possession[0].count), std::pair(kMax - 1000, 4));
  EXPECT_TRUE(t.player.boxes.empty());
}

TEST(Trade, SalesThatSellNothing) {
  // Text that is no number is an error only where a sale could happen, and then keeps the
  // controls for another try.
  struct Case {
    const char* amount;
    bool offered;  // whether the market offers the good
    Lines boxes{}, conversions{};
  } const cases[] = {
      {.amount = "11", .offered = true, .boxes = {"You do not have that much inventory!"}},
      {.amount = "0", .offered = true},
      {.amount = "-4", .offered = true},  // below 1 is like 0, never a purchase back
      {.amount = "5", .offered = false},  // not on offer here
      {.amount = "abc", .offered = false},
      {.amount = "1.5", .offered = true, .conversions = {"1.5"}},
  };
  for (const Case& c : cases) {
    Trade t;
    t.s.possession = {Lot{Acid, 1500, 10}};
    t.s.trunkFree = 70;
    t.s.market[Acid] = MarketRow{c.offered, 2000};
    t.sell(1, c.amount);
    EXPECT_EQ(t.player.texts(), c.boxes) << c.amount;
    EXPECT_EQ(t.player.conversionErrors, c.conversions) << c.amount;
    EXPECT_EQ(t.held(), std::tuple(2000, 4, 70)) << c.amount;
    EXPECT_EQ(t.s.possession[0], (Lot{Acid, 1500, 10}));
    EXPECT_EQ(t.v.sellEnabled, !c.conversions.empty());
  }
}

TEST(Trade, ASaleNeverTakesMoreThanTheLotHoldsNow) {
  Trade t;
  t.offer(Acid, 2000);
  t.s.possession = {Lot{Acid, 1500, 10}};
  t.act(PickLot{1});
  t.s.possession[0].count = 3;  // a mugger took some before the sale
  t.v.sellText = "5";
  t.act(Sell{});
  EXPECT_EQ(t.s.possession[0].count, 3);

  t.act(PickLot{1});
  t.s.possession[0] = Lot{Weed, 500, 10};  // the row now holds another good
  t.v.sellText = "1";
  t.act(Sell{});
  EXPECT_EQ(t.s.possession[0], (Lot{Weed, 500, 10}));

  t.s.possession[0] = Lot{Acid, 1500, 3};
  t.act(PickLot{1});
  t.s.possession[0].count = 8;  // more than was shown: the shown count still bounds it
  t.v.sellText = "4";
  t.act(Sell{});
  EXPECT_EQ(t.s.possession[0].count, 8);
  EXPECT_EQ(t.s.cash, 2000);
  EXPECT_EQ(t.player.texts(), Lines(3, "You do not have that much inventory!"));
}

}  // namespace
}  // namespace quillmere
