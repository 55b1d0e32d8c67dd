// Picking goods, buying them into lots and selling lots at today's prices.
#include <gtest/gtest.h>

#include "engine/scripted_player.h"

namespace quillmere {

// Found by argument lookup from inside GoogleTest; static keeps them to this file.
static bool operator==(const Lot& a, const Lot& b) {
  return a.good == b.good && a.price == b.price && a.count == b.count;
}
static void PrintTo(const Lot& lot, std::ostream* out) {
  *out << "{" << lot.good << ", " << lot.price << ", " << lot.count << "}";
}

namespace {

using testing::GameFixture;

constexpr Money kMax = 2147483647;

// A game whose market offers only the goods a test names.
struct Trade : GameFixture {
  void offer(int good, Money price) { s.market[good] = MarketRow{true, price}; }
  void pick(int good) { game.drug1MouseUp(good + 1); }
  void buy(int good, Money price, const char* amount) {
    offer(good, price);
    pick(good);
    s.buyText = amount;
    game.btnBuyClick();
  }
  void sell(int row, const char* amount) {
    game.drug2MouseUp(row);
    s.sellText = amount;
    game.btnSellClick();
  }
};

TEST(Trade, BuyingTheWorkedExample) {
  Trade t;
  t.offer(Acid, 1500);
  t.pick(Acid);
  EXPECT_EQ(t.s.buyText, "1");
  t.game.btnBuyClick();
  EXPECT_EQ(t.s.cash, 500);
  EXPECT_EQ(t.s.trunkFree, 79);
  ASSERT_EQ(t.s.possession.size(), 1u);
  EXPECT_EQ(t.s.possession[0], (Lot{Acid, 1500, 1}));
  EXPECT_TRUE(t.s.possessionHeaderFixed);
  EXPECT_EQ(t.s.buyText, "0");
  EXPECT_TRUE(t.player.boxes.empty());
}

TEST(Trade, MarketClicksOutsideOfferedRowsChangeNothing) {
  Trade t;
  t.offer(Cocaine, 20000);
  t.s.market[Crack].offered = false;
  t.s.buyText = "5";
  for (int row : {-1, 0, Crack + 1, kGoodCount + 1}) t.game.drug1MouseUp(row);
  EXPECT_EQ(t.s.infoGood, Acid);
  EXPECT_EQ(t.s.buyText, "5");
  t.game.drug1MouseUp(Cocaine + 1);
  EXPECT_EQ(t.s.infoGood, Cocaine);
  EXPECT_EQ(t.s.infoPrice, 20000);
  EXPECT_EQ(t.s.buyText, "0");
}

TEST(Trade, BuyChecksInOrderAndARefusalChangesNothing) {
  struct Case {
    int good;
    Money price;
    const char* amount;
    Money cash;
    std::int32_t seats;
    std::int32_t trunk;
    const char* message;
  };
  const Case cases[] = {
      {Whore, 90000, "5", 2000, 4, 80, "Insufficient Seat Space"},  // space before funds
      {Acid, 1500, "81", 200000, 4, 80, "Insufficient Trunk Space"},
      {Acid, 1500, "2", 200000, 4, 1, "Insufficient Trunk Space"},
      {Whore, 3000, "5", 200000, 4, 800, "Insufficient Seat Space"},
      {Acid, 1500, "0", 2000, 4, 80, "Invalid Purchase Amount Entered"},
      {Acid, 1500, "-3", 2000, 4, 80, "Invalid Purchase Amount Entered"},
      {Acid, 1500, "abc", 2000, 4, 80, "Invalid Purchase Amount Entered"},
      {Acid, 1500, "", 2000, 4, 80, "Invalid Purchase Amount Entered"},
      {Acid, 1500, "-3", 2000, 4, -5, "Insufficient Trunk Space"},
      {Acid, 1500, "2", 2999, 4, 80, "Insufficient Funds"},
      {Acid, 0, "1", -1, 4, 80, "Insufficient Funds"},
      {Cocaine, 109999, "20000", kMax, 4, 800000, "Insufficient Funds"},  // past 32 bits
  };
  for (const Case& c : cases) {
    Trade t;
    t.s.cash = c.cash;
    t.s.seatsFree = c.seats;
    t.s.trunkFree = c.trunk;
    t.s.infoGood = c.good;
    t.s.infoPrice = c.price;
    t.s.buyText = c.amount;
    t.game.btnBuyClick();
    ASSERT_EQ(t.player.boxes.size(), 1u) << c.amount;
    EXPECT_EQ(t.player.boxes[0].text, c.message) << c.good << " x " << c.amount;
    EXPECT_EQ(t.player.boxes[0].kind, DialogKind::Error);
    EXPECT_EQ(t.player.boxes[0].buttons, DialogButtons::Ok);
    EXPECT_EQ(t.s.cash, c.cash);
    EXPECT_EQ(t.s.seatsFree, c.seats);
    EXPECT_EQ(t.s.trunkFree, c.trunk);
    EXPECT_EQ(t.s.buyText, c.amount);
    EXPECT_TRUE(t.s.possession.empty());
  }
}

TEST(Trade, PurchasesThatSpendAllTheCashOrNothing) {
  Trade t;
  t.buy(Ecstasy, 20, "100");  // exactly the 2000 in cash, but the trunk holds 80
  EXPECT_EQ(t.player.texts(), std::vector<std::string>{"Insufficient Trunk Space"});
  t.s.trunkFree = 200;
  t.game.btnBuyClick();
  EXPECT_EQ(t.s.cash, 0);
  EXPECT_EQ(t.s.trunkFree, 100);

  t.buy(Acid, 0, "30");  // news made it free
  EXPECT_EQ(t.s.cash, 0);
  EXPECT_EQ(t.s.possession[1], (Lot{Acid, 0, 30}));
  EXPECT_EQ(t.s.buyText, "70");  // the rest of the trunk

  t.s.cash = 100000;
  t.buy(Whore, 3000, "4");
  EXPECT_EQ(t.s.seatsFree, 0);
  EXPECT_EQ(t.s.trunkFree, 70);
  EXPECT_EQ(t.s.cash, 88000);
}

TEST(Trade, EachPurchaseIsItsOwnLotAndSoldOutRowsAreReused) {
  Trade t;
  t.s.cash = 100000;
  t.buy(Ecstasy, 20, "10");
  t.buy(Ecstasy, 30, "5");
  t.buy(Acid, 1500, "2");
  ASSERT_EQ(t.s.possession.size(), 3u);
  EXPECT_EQ(t.s.possession[0], (Lot{Ecstasy, 20, 10}));
  EXPECT_EQ(t.s.possession[1], (Lot{Ecstasy, 30, 5}));

  t.sell(2, "5");  // the second lot, whole
  EXPECT_TRUE(t.s.possession[1].empty());
  EXPECT_EQ(t.s.sellText, "5");
  t.buy(Weed, 500, "3");
  ASSERT_EQ(t.s.possession.size(), 3u);
  EXPECT_EQ(t.s.possession[1], (Lot{Weed, 500, 3}));
  EXPECT_EQ(t.s.sellText, "5");  // a reused row leaves the sell box alone

  t.game.drug2MouseUp(1);
  EXPECT_EQ(t.s.sellText, "10");
  t.buy(Speed, 100, "1");
  EXPECT_EQ(t.s.possession.size(), 4u);
  EXPECT_EQ(t.s.sellText, "0");  // a new row at the bottom resets it
}

TEST(Trade, PickingALotForSale) {
  Trade t;
  t.s.possession = {Lot{Acid, 1500, 7}, Lot{}};
  for (int row : {-1, 0, 2, 3}) t.game.drug2MouseUp(row);
  EXPECT_FALSE(t.s.sellEnabled);
  EXPECT_FALSE(t.s.sellSelection);
  EXPECT_EQ(t.s.sellText, "0");

  t.game.drug2MouseUp(1);
  EXPECT_TRUE(t.s.sellEnabled);
  EXPECT_EQ(t.s.sellText, "7");
  ASSERT_TRUE(t.s.sellSelection);
  EXPECT_EQ(t.s.sellSelection->good, Acid);
  EXPECT_EQ(t.s.sellSelection->count, 7);
  EXPECT_EQ(t.s.sellSelection->row, 0);
  t.game.drug2MouseUp(2);  // an empty row keeps the choice and the controls
  EXPECT_TRUE(t.s.sellEnabled);
  EXPECT_EQ(t.s.sellSelection->row, 0);
  EXPECT_EQ(t.s.infoGood, Acid);
}

TEST(Trade, SellingPaysTodaysPriceAndFreesTheSpace) {
  Trade t;
  t.s.possession = {Lot{Acid, 1500, 10}, Lot{Whore, 3000, 2}};
  t.s.trunkFree = 70;
  t.s.seatsFree = 2;
  t.offer(Acid, 2000);
  t.offer(Whore, 5000);

  t.sell(1, "4");
  EXPECT_EQ(t.s.cash, 10000);
  EXPECT_EQ(t.s.trunkFree, 74);
  EXPECT_EQ(t.s.possession[0], (Lot{Acid, 1500, 6}));
  EXPECT_FALSE(t.s.sellEnabled);
  EXPECT_EQ(t.s.sellText, "10");  // the lot's count before the sale

  t.sell(2, "2");
  EXPECT_EQ(t.s.cash, 20000);
  EXPECT_EQ(t.s.seatsFree, 4);
  EXPECT_TRUE(t.s.possession[1].empty());
  EXPECT_EQ(t.s.possession.size(), 2u);

  t.s.cash = kMax - 100;
  t.sell(1, "6");
  EXPECT_EQ(t.s.cash, kMax);
  EXPECT_TRUE(t.player.boxes.empty());
}

TEST(Trade, SalesThatSellNothing) {
  struct Case {
    const char* amount;
    bool offered;
    const char* message;  // empty: none
  };
  const Case cases[] = {
      {"11", true, "You do not have that much inventory!"},
      {"0", true, ""},
      {"-4", true, ""},  // below 1 is like 0, never a purchase back
      {"5", false, ""},  // not on offer here
      {"abc", false, ""},
  };
  for (const Case& c : cases) {
    Trade t;
    t.s.possession = {Lot{Acid, 1500, 10}};
    t.s.trunkFree = 70;
    t.s.market[Acid] = MarketRow{c.offered, 2000};
    t.sell(1, c.amount);
    EXPECT_EQ(t.player.texts(),
              *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
        << c.amount;
    EXPECT_EQ(t.s.cash, 2000) << c.amount;
    EXPECT_EQ(t.s.trunkFree, 70);
    EXPECT_EQ(t.s.possession[0], (Lot{Acid, 1500, 10}));
    EXPECT_FALSE(t.s.sellEnabled);
    EXPECT_TRUE(t.player.conversionErrors.empty());
  }
}

TEST(Trade, SellTextThatIsNoNumberIsAnErrorAndKeepsTheControls) {
  Trade t;
  t.s.possession = {Lot{Acid, 1500, 10}};
  t.offer(Acid, 2000);
  t.sell(1, "1.5");
  EXPECT_EQ(t.player.conversionErrors, std::vector<std::string>{"1.5"});
  EXPECT_TRUE(t.s.sellEnabled);
  EXPECT_EQ(t.s.possession[0].count, 10);
  t.s.sellText = "10";
  t.game.btnSellClick();
  EXPECT_TRUE(t.s.possession[0].empty());
  t.game.btnSellClick();  // Sell is disabled now
  EXPECT_EQ(t.s.cash, 22000);
}

TEST(Trade, ASaleNeverTakesMoreThanTheLotHoldsNow) {
  Trade t;
  t.offer(Acid, 2000);
  t.s.possession = {Lot{Acid, 1500, 10}};
  t.game.drug2MouseUp(1);
  t.s.possession[0].count = 3;  // a mugger took some before the sale
  t.s.sellText = "5";
  t.game.btnSellClick();
  EXPECT_EQ(t.player.texts(), std::vector<std::string>{"You do not have that much inventory!"});
  EXPECT_EQ(t.s.possession[0].count, 3);

  t.game.drug2MouseUp(1);
  t.s.possession[0] = Lot{Weed, 500, 10};  // the row now holds another good
  t.s.sellText = "1";
  t.game.btnSellClick();
  EXPECT_EQ(t.player.boxes.size(), 2u);
  EXPECT_EQ(t.s.possession[0], (Lot{Weed, 500, 10}));
  EXPECT_EQ(t.s.cash, 2000);

  t.s.possession[0] = Lot{Acid, 1500, 3};
  t.game.drug2MouseUp(1);
  t.s.possession[0].count = 8;  // more than was shown: the shown count still bounds it
  t.s.sellText = "4";
  t.game.btnSellClick();
  EXPECT_EQ(t.player.boxes.size(), 3u);
  EXPECT_EQ(t.s.possession[0].count, 8);
}

}  // namespace
}  // namespace quillmere
