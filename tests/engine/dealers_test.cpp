// The gun dealer and the car dealer: purchases, sales, trade-ins, refusals, and what the
// dealers' screens keep from one visit to the next.
#include <gtest/gtest.h>

#include <limits>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using testing::GameFixture;

constexpr Money kMax = std::numeric_limits<Money>::max();

// Every visit, to either dealer, first takes the whole bank out as cash.
TEST(Dealers, EveryVisitMovesTheBankIntoCash) {
  struct Case {
    bool cars;
    Money cash, bank, shown;
  };
  const Case cases[] = {
      {false, 500, 2000, 2500}, {true, 5000, 20000, 25000},    {false, 700, 0, 700},
      {true, 0, 0, 0},          {false, kMax - 10, 100, kMax}, {true, kMax, kMax, kMax},
      {true, -300, 1000, 700},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.cash = c.cash;
    f.s.bank = c.bank;
    if (c.cars) {
      f.game.cars().FormShow();
      EXPECT_EQ(f.game.cars().lblCash(), c.shown);
    } else {
      f.game.guns().FormShow();
      EXPECT_EQ(f.game.guns().lblCash(), c.shown);
    }
    EXPECT_EQ(f.s.cash, c.shown) << c.cash << " + " << c.bank;
    EXPECT_EQ(f.s.bank, 0);
    // Leaving after the bank was emptied puts nothing back.
    EXPECT_TRUE(c.cars ? f.game.cars().btnCloseClick() : f.game.guns().btnCloseClick());
    EXPECT_EQ(f.s.bank, 0);
  }
}

// ---- Gun dealer ----

TEST(GunDealer, OpensWithoutAGunAndPaintballPreselected) {
  GameFixture f;
  f.s.cash = 500;
  f.s.bank = 2000;
  GunDealer& g = f.game.guns();
  g.FormShow();
  EXPECT_EQ(g.lblOldPrice(), 0);
  EXPECT_EQ(g.lblOldAccuracy(), "0/10");
  EXPECT_FALSE(g.sellEnabled());
  EXPECT_EQ(g.selected(), 1);
  EXPECT_EQ(g.lblNewPrice(), 1000);
  EXPECT_EQ(g.lblNewAccuracy(), "1/10");
  EXPECT_TRUE(g.buyEnabled());
}

TEST(GunDealer, EveryGunCostsItsPriceAndIsWorthItsValue) {
  struct Case {
    int kind;
    const char* name;
    Money price, value;
    const char* accuracy;
  };
  const Case cases[] = {
      {1, "Paintball Gun", 1000, 800, "1/10"},    {2, "Small Pistol", 2000, 1700, "2/10"},
      {3, "Pistol", 3500, 3000, "3/10"},          {4, "Revolver", 4900, 3500, "4/10"},
      {5, "Rifle", 10000, 9050, "5/10"},          {6, "Shotgun", 15000, 13000, "6/10"},
      {7, "Big Shotgun", 18000, 16500, "7/10"},   {8, "Machinegun", 64000, 60000, "8/10"},
      {9, "Assault Rifle", 99000, 86000, "9/10"},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.cash = 100000;
    GunDealer& g = f.game.guns();
    g.FormShow();
    // Going through another gun first makes the selection run even for the Paintball Gun.
    g.select(c.kind == 2 ? 3 : 2);
    g.select(c.kind);
    EXPECT_EQ(g.lblNewPrice(), c.price) << c.name;
    EXPECT_EQ(g.lblNewAccuracy(), c.accuracy);
    ASSERT_TRUE(g.buyEnabled());
    EXPECT_TRUE(g.btnBuyClick());
    EXPECT_EQ(f.s.cash, 100000 - c.price);
    EXPECT_EQ(g.lblCash(), 100000 - c.price);
    EXPECT_EQ(f.s.gunKind, c.kind);
    EXPECT_EQ(f.s.gunName, c.name);
    EXPECT_EQ(f.s.gunValue, c.value);
    // The next visit shows the new gun as the old one.
    g.FormShow();
    EXPECT_EQ(g.lblOldPrice(), c.value);
    EXPECT_EQ(g.lblOldAccuracy(), c.accuracy);
    EXPECT_TRUE(g.sellEnabled());
  }
}

// Buy trades in the held gun at its current value and then pays the full price.
TEST(GunDealer, TradeIns) {
  struct Case {
    int held;
    Money heldValue;
    Money cash;
    int bought;
    Money cashAfter;
    const char* nameAfter;
    Money valueAfter;
  };
  const Case cases[] = {
      {5, 9050, 20000, 6, 14050, "Shotgun", 13000},       // 20000 + 9050 - 15000
      {3, 3000, 4000, 3, 3500, "Pistol", 3000},           // the same gun again: 500 net
      {7, 11000, 18000, 1, 28000, "Paintball Gun", 800},  // a worn gun pays what it is worth
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.gunKind = c.held;
    f.s.gunName = std::string(GunOfKind(c.held).name);
    f.s.gunValue = c.heldValue;
    f.s.cash = c.cash;
    GunDealer& g = f.game.guns();
    g.FormShow();
    g.select(c.bought == 1 ? 2 : c.bought);
    g.select(c.bought);
    EXPECT_TRUE(g.btnBuyClick());
    EXPECT_EQ(f.s.cash, c.cashAfter);
    EXPECT_EQ(f.s.gunKind, c.bought);
    EXPECT_EQ(f.s.gunName, c.nameAfter);
    EXPECT_EQ(f.s.gunValue, c.valueAfter);
    EXPECT_FALSE(g.sellEnabled());
  }
}

TEST(GunDealer, TheTradeInDoesNotCountTowardsAffording) {
  GameFixture f;
  f.s.gunKind = 8;
  f.s.gunName = "Machinegun";
  f.s.gunValue = 60000;
  f.s.cash = 10000;
  GunDealer& g = f.game.guns();
  g.FormShow();
  g.select(6);
  EXPECT_FALSE(g.buyEnabled());
  EXPECT_FALSE(g.btnBuyClick());
  EXPECT_EQ(f.s.gunKind, 8);
  EXPECT_EQ(f.s.gunValue, 60000);
  EXPECT_EQ(f.s.cash, 10000);
}

TEST(GunDealer, SellingEmptiesTheGunSlotAndLeavesBuyAlone) {
  GameFixture f;
  f.s.gunKind = 7;
  f.s.gunName = "Big Shotgun";
  f.s.gunValue = 12000;  // worn by the trips since it was bought
  f.s.cash = 100;
  GunDealer& g = f.game.guns();
  g.FormShow();
  EXPECT_FALSE(g.buyEnabled());
  g.btnSellClick();
  EXPECT_EQ(f.s.cash, 12100);
  EXPECT_EQ(g.lblCash(), 12100);
  EXPECT_EQ(f.s.gunName, "NONE");
  EXPECT_EQ(f.s.gunKind, 0);
  EXPECT_EQ(f.s.gunValue, 0);
  EXPECT_EQ(g.lblOldPrice(), 0);
  EXPECT_EQ(g.lblOldAccuracy(), "0/10");
  EXPECT_FALSE(g.sellEnabled());
  // The sale does not re-judge Buy; the next selection does.
  EXPECT_FALSE(g.buyEnabled());
  g.select(4);
  EXPECT_TRUE(g.buyEnabled());
  // A second sale is impossible, and Buy's trade-in then finds no gun.
  g.btnSellClick();
  EXPECT_EQ(f.s.cash, 12100);
  EXPECT_TRUE(g.btnBuyClick());
  EXPECT_EQ(f.s.cash, 12100 - 4900);
  EXPECT_EQ(f.s.gunKind, 4);
}

TEST(GunDealer, SellingSaturatesTheCash) {
  GameFixture f;
  f.s.gunKind = 5;
  f.s.gunValue = 9050;
  f.s.cash = kMax - 1000;
  GunDealer& g = f.game.guns();
  g.FormShow();
  g.btnSellClick();
  EXPECT_EQ(f.s.cash, kMax);
}

// Whether Buy is enabled for the preselected Paintball Gun depends on the cash the last
// visit ended with, the gun it left selected and the cash now; it is never enabled for a
// gun the player cannot pay for.
TEST(GunDealer, BuyOnOpeningDependsOnTheLastVisit) {
  struct Case {
    const char* what;
    bool firstVisit;
    Money lastCash;
    int lastSelected;
    Money cash;
    bool buy;
  };
  const Case cases[] = {
      {"first visit, exactly 1000", true, 0, 1, 1000, false},
      {"first visit, 1001", true, 0, 1, 1001, true},
      {"first visit, 999", true, 0, 1, 999, false},
      {"last visit rich, other gun, exactly 1000 now", false, 5000, 4, 1000, true},
      {"last visit poor, other gun, exactly 1000 now", false, 500, 4, 1000, false},
      {"last visit rich, other gun, 900 now", false, 5000, 4, 900, false},
      {"last visit rich, Paintball kept, 500 now", false, 5000, 1, 500, false},
      {"last visit rich, Paintball kept, exactly 1000 now", false, 5000, 1, 1000, true},
      {"last visit poor, Paintball kept, exactly 1000 now", false, 500, 1, 1000, false},
  };
  for (const Case& c : cases) {
    GameFixture f;
    GunDealer& g = f.game.guns();
    if (!c.firstVisit) {
      f.s.cash = c.lastCash;
      g.FormShow();
      g.select(c.lastSelected == 1 ? 2 : c.lastSelected);
      g.select(c.lastSelected);
      g.btnCloseClick();
    }
    f.s.cash = c.cash;
    g.FormShow();
    EXPECT_EQ(g.selected(), 1) << c.what;
    EXPECT_EQ(g.buyEnabled(), c.buy) << c.what;
    EXPECT_EQ(g.btnBuyClick(), c.buy) << c.what;
    EXPECT_EQ(f.s.cash, c.buy ? c.cash - 1000 : c.cash) << c.what;
    EXPECT_GE(f.s.cash, 0) << c.what;
  }
}

TEST(GunDealer, AtExactly1000ReselectingPaintballEnablesBuy) {
  GameFixture f;
  f.s.cash = 1000;
  GunDealer& g = f.game.guns();
  g.FormShow();
  EXPECT_FALSE(g.buyEnabled());
  g.select(1);  // already selected: nothing runs
  EXPECT_FALSE(g.buyEnabled());
  g.select(2);
  EXPECT_FALSE(g.buyEnabled());
  g.select(1);
  EXPECT_TRUE(g.buyEnabled());
  EXPECT_TRUE(g.btnBuyClick());
  EXPECT_EQ(f.s.cash, 0);
  EXPECT_EQ(f.s.gunName, "Paintball Gun");
}

TEST(GunDealer, SellStaysEnabledAcrossVisitsWhileAGunIsHeld) {
  GameFixture f;
  f.s.cash = 5000;
  GunDealer& g = f.game.guns();
  g.FormShow();
  EXPECT_TRUE(g.btnBuyClick());  // the Paintball Gun
  g.FormShow();
  EXPECT_TRUE(g.sellEnabled());
  EXPECT_EQ(g.lblOldPrice(), 800);
  f.s.gunValue = 720;  // a trip wore it down
  g.btnCloseClick();
  g.FormShow();
  EXPECT_EQ(g.lblOldPrice(), 720);
  g.btnSellClick();
  EXPECT_EQ(f.s.cash, 4000 + 720);
  g.FormShow();
  EXPECT_FALSE(g.sellEnabled());
  EXPECT_EQ(g.lblOldAccuracy(), "0/10");
}

// ---- Car dealer ----

// Sells the starting Honda Civic, which is empty at the start of a game.
void SellStartingCar(GameFixture& f) {
  f.game.cars().FormShow();
  f.game.cars().btnSellClick();
}

TEST(CarDealer, EveryCarCostsItsPriceAndIsWorthEightyPercent) {
  struct Case {
    int kind;
    const char* name;
    Money price;
    int seats, trunk;
    Money value;
  };
  const Case cases[] = {
      {1, "Honda Civic", 13500, 4, 80, 10800},     {2, "Ford Mustang", 21015, 3, 200, 16812},
      {3, "Chevy Corvette", 39130, 1, 220, 31304}, {4, "Lincoln Navigator", 46210, 6, 320, 36968},
      {5, "AMG Hummer", 85624, 7, 400, 68499},     {6, "Lincoln Towncar", 40610, 5, 250, 32488},
      {7, "Porsche Boxter", 44881, 1, 300, 35904}, {8, "McLaren F1", 1000000, 2, 800, 800000},
      {9, "Chevy Astro", 18720, 1, 120, 14976},    {10, "Ford F150", 19465, 2, 150, 15572},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.cash = 2000000 - 7000;
    SellStartingCar(f);
    CarDealer& d = f.game.cars();
    d.select(c.kind == 2 ? 3 : 2);
    d.select(c.kind);
    EXPECT_EQ(d.lblNewPrice(), c.price) << c.name;
    EXPECT_EQ(d.lblNewSeats(), c.seats);
    EXPECT_EQ(d.lblNewTrunk(), c.trunk);
    EXPECT_TRUE(d.btnBuyClick());
    EXPECT_TRUE(f.player.boxes.empty());
    EXPECT_EQ(f.s.cash, 2000000 - c.price);
    EXPECT_EQ(d.lblCash(), 2000000 - c.price);
    EXPECT_EQ(f.s.carKind, c.kind);
    EXPECT_EQ(f.s.carName, c.name);
    EXPECT_EQ(f.s.carValue, c.value);
    EXPECT_EQ(f.s.seatsTotal, c.seats);
    EXPECT_EQ(f.s.seatsFree, c.seats);
    EXPECT_EQ(f.s.trunkTotal, c.trunk);
    EXPECT_EQ(f.s.trunkFree, c.trunk);
  }
}

TEST(CarDealer, SellingTheStartingCivicAndBuyingItBack) {
  GameFixture f;
  f.s.cash = 6500;
  CarDealer& d = f.game.cars();
  d.FormShow();
  EXPECT_EQ(d.lblOldPrice(), 7000);
  EXPECT_EQ(d.lblOldSeats(), 4);
  EXPECT_EQ(d.lblOldTrunk(), 80);
  EXPECT_TRUE(d.sellEnabled());
  d.btnSellClick();
  EXPECT_EQ(f.s.cash, 13500);
  EXPECT_EQ(d.lblCash(), 13500);
  EXPECT_EQ(f.s.carKind, 0);
  EXPECT_EQ(f.s.carName, "NONE");
  EXPECT_EQ(f.s.carValue, 0);
  EXPECT_EQ(f.s.seatsTotal + f.s.seatsFree + f.s.trunkTotal + f.s.trunkFree, 0);
  EXPECT_EQ(d.lblOldPrice() + d.lblOldSeats() + d.lblOldTrunk(), 0);
  EXPECT_FALSE(d.sellEnabled());
  // The Civic was preselected from the start, so Buy is still disabled until a selection.
  EXPECT_FALSE(d.buyEnabled());
  EXPECT_FALSE(d.btnBuyClick());
  d.select(2);
  EXPECT_FALSE(d.buyEnabled());  // the Mustang costs more than 13500
  d.select(1);
  EXPECT_TRUE(d.buyEnabled());  // the price equals the cash: that is enough
  EXPECT_TRUE(d.btnBuyClick());
  EXPECT_EQ(f.s.cash, 0);
  EXPECT_EQ(f.s.carValue, 10800);
  EXPECT_EQ(f.s.carName, "Honda Civic");
  EXPECT_TRUE(f.player.boxes.empty());
}

TEST(CarDealer, ABusyCarCannotBeSold) {
  struct Case {
    int seatsUsed, trunkUsed;
  };
  const Case cases[] = {{0, 1}, {1, 0}, {4, 80}};
  for (const Case& c : cases) {
    GameFixture f;
    f.s.seatsFree -= c.seatsUsed;
    f.s.trunkFree -= c.trunkUsed;
    const GameState before = f.s;
    CarDealer& d = f.game.cars();
    d.FormShow();
    d.btnSellClick();
    ASSERT_EQ(f.player.boxes.size(), 1u);
    EXPECT_EQ(f.player.boxes[0].text, "You must first empty your trunk and seats.");
    EXPECT_EQ(f.player.boxes[0].kind, DialogKind::Information);
    EXPECT_EQ(f.s.cash, before.cash);
    EXPECT_EQ(f.s.carKind, 1);
    EXPECT_EQ(f.s.carValue, 7000);
    EXPECT_EQ(f.s.seatsFree, before.seatsFree);
    EXPECT_EQ(f.s.trunkFree, before.trunkFree);
    EXPECT_EQ(d.lblOldPrice(), 7000);
    EXPECT_TRUE(d.sellEnabled());
  }
}

TEST(CarDealer, BuyRefusals) {
  struct Case {
    Money cash;
    const char* text;
    DialogKind kind;
  };
  // Money is tested before ownership.
  const Case cases[] = {
      {10000, "Insufficient Funds.", DialogKind::Error},
      {50000, "You must sell your existing car first.", DialogKind::Information},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.cash = 50000;
    CarDealer& d = f.game.cars();
    d.FormShow();
    d.select(9);
    d.btnCloseClick();
    // The next visit reselects the Civic against the 50000 shown last time: Buy is enabled.
    f.s.cash = c.cash;
    d.FormShow();
    ASSERT_TRUE(d.buyEnabled());
    EXPECT_FALSE(d.btnBuyClick()) << c.text;
    ASSERT_EQ(f.player.boxes.size(), 1u);
    EXPECT_EQ(f.player.boxes[0].text, c.text);
    EXPECT_EQ(f.player.boxes[0].kind, c.kind);
    EXPECT_EQ(f.s.cash, c.cash);
    EXPECT_EQ(f.s.carKind, 1);
    EXPECT_EQ(f.s.carValue, 7000);
  }
}

// The Civic is reselected on every visit, judged against the cash the last visit ended with;
// Buy then tests the real funds.
TEST(CarDealer, AStaleEnabledBuyStillTestsTheFunds) {
  GameFixture f;
  f.s.cash = 50000;
  CarDealer& d = f.game.cars();
  SellStartingCar(f);
  d.select(2);
  EXPECT_TRUE(d.buyEnabled());
  EXPECT_TRUE(d.btnCloseClick());
  f.s.cash = 100;
  d.FormShow();
  EXPECT_EQ(d.selected(), 1);
  EXPECT_EQ(d.lblNewPrice(), 13500);
  EXPECT_EQ(d.lblNewSeats(), 4);
  EXPECT_EQ(d.lblNewTrunk(), 80);
  EXPECT_TRUE(d.buyEnabled());
  EXPECT_FALSE(d.btnBuyClick());
  EXPECT_EQ(f.player.texts(), std::vector<std::string>{"Insufficient Funds."});
  EXPECT_EQ(f.s.cash, 100);
  EXPECT_EQ(f.s.carKind, 0);
  // With no car the next visit shows zeros and offers no sale.
  d.FormShow();
  EXPECT_EQ(d.lblOldPrice() + d.lblOldSeats() + d.lblOldTrunk(), 0);
  EXPECT_FALSE(d.sellEnabled());
}

TEST(CarDealer, ReplacingTheCarOverTwoVisits) {
  GameFixture f;
  f.s.cash = 15000;
  f.s.bank = 1000;
  f.s.carValue = 6300;  // one trip's wear
  SellStartingCar(f);
  EXPECT_EQ(f.s.cash, 22300);
  f.s.bank = 500;
  CarDealer& d = f.game.cars();
  d.FormShow();
  EXPECT_EQ(d.lblCash(), 22800);
  d.select(10);
  EXPECT_TRUE(d.btnBuyClick());
  EXPECT_EQ(f.s.cash, 22800 - 19465);
  EXPECT_EQ(f.s.carName, "Ford F150");
  EXPECT_EQ(f.s.carValue, 15572);
  d.FormShow();
  EXPECT_EQ(d.lblOldPrice(), 15572);
  EXPECT_EQ(d.lblOldSeats(), 2);
  EXPECT_EQ(d.lblOldTrunk(), 150);
  EXPECT_TRUE(d.sellEnabled());
}

}  // namespace
}  // namespace quillmere
