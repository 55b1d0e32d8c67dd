// The gun dealer and the car dealer: trade-ins, sales, refusals, and what the dealers'
// screens keep from one visit to the next.
#include <gtest/gtest.h>

#include <limits>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using testing::GameFixture;

constexpr Money kMax = std::numeric_limits<Money>::max();

TEST(Dealers, EveryVisitMovesTheBankIntoCash) {
  struct Case {
    bool cars;
    Money cash, bank, shown;
  };
  const Case cases[] = {{false, 500, 2000, 2500},
                        {true, 5000, 20000, 25000},
                        {false, 700, 0, 700},
                        {true, kMax - 10, 100, kMax}};
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
      // No gun held: nothing to sell.
      EXPECT_EQ(f.game.guns().lblOldAccuracy(), "0/10");
      EXPECT_FALSE(f.game.guns().sellEnabled());
    }
    EXPECT_EQ(f.s.cash, c.shown) << c.cash << " + " << c.bank;
    EXPECT_EQ(f.s.bank, 0);
  }
}

// Buy trades the held gun in at its current value, then pays the full price.
TEST(GunDealer, TradeIns) {
  struct Case {
    int held;
    Money heldValue, cash;
    int bought;
    Money cashAfter;
  };
  const Case cases[] = {
      {5, 9050, 20000, 6, 14050},  // the Rifle for the Shotgun
      {3, 3000, 4000, 3, 3500},    // the Pistol again: 500 net
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.gunKind = c.held;
    f.s.gunValue = c.heldValue;
    f.s.cash = c.cash;
    GunDealer& g = f.game.guns();
    g.FormShow();
    g.select(c.bought);
    EXPECT_TRUE(g.btnBuyClick());
    EXPECT_EQ(f.s.cash, c.cashAfter);
    EXPECT_EQ(f.s.gunKind, c.bought);
    EXPECT_EQ(f.s.gunName, GunOfKind(c.bought).name);
    EXPECT_EQ(f.s.gunValue, GunOfKind(c.bought).valueAfterPurchase);
    // The next visit shows the new gun as the one held.
    g.FormShow();
    EXPECT_TRUE(g.sellEnabled());
    EXPECT_EQ(g.lblOldPrice(), f.s.gunValue);
    EXPECT_EQ(g.lblOldAccuracy(), GunOfKind(c.bought).accuracy);
  }
}

TEST(GunDealer, ASaleEmptiesTheSlotAndLeavesBuyAsItWas) {
  GameFixture f;
  f.s.gunKind = 8;
  f.s.gunName = "Machinegun";
  f.s.gunValue = 54000;  // worn by the trips since it was bought
  f.s.cash = 10000;
  GunDealer& g = f.game.guns();
  g.FormShow();
  // The trade-in does not count towards affording a gun.
  g.select(6);
  EXPECT_FALSE(g.buyEnabled());
  EXPECT_FALSE(g.btnBuyClick());
  g.btnSellClick();
  EXPECT_EQ(f.s.cash, 64000);
  EXPECT_EQ(g.lblCash(), 64000);
  EXPECT_EQ(f.s.gunName, "NONE");
  EXPECT_EQ(f.s.gunKind, 0);
  EXPECT_EQ(f.s.gunValue, 0);
  EXPECT_EQ(g.lblOldPrice(), 0);
  EXPECT_EQ(g.lblOldAccuracy(), "0/10");
  EXPECT_FALSE(g.sellEnabled());
  EXPECT_FALSE(g.buyEnabled());  // only the next selection judges again
  g.select(7);
  EXPECT_TRUE(g.btnBuyClick());
  EXPECT_EQ(f.s.cash, 64000 - 18000);
}

// On opening, Buy for the preselected Paintball Gun depends on the cash the last visit ended
// with, the gun it left selected and the cash now; it is never on for a gun beyond the cash.
TEST(GunDealer, BuyOnOpening) {
  struct Case {
    Money lastCash;  // -1: the first visit
    int lastSelected;
    Money cash;
    bool buy;
  };
  const Case cases[] = {
      {-1, 1, 1000, false},  {-1, 1, 1001, true},   {-1, 1, 999, false},
      {5000, 4, 1000, true}, {500, 4, 1000, false}, {5000, 4, 900, false},
      {5000, 1, 500, false}, {5000, 1, 1000, true}, {500, 1, 1000, false},
  };
  for (const Case& c : cases) {
    GameFixture f;
    GunDealer& g = f.game.guns();
    if (c.lastCash >= 0) {
      f.s.cash = c.lastCash;
      g.FormShow();
      g.select(c.lastSelected);
    }
    f.s.cash = c.cash;
    g.FormShow();
    EXPECT_EQ(g.selected(), 1);
    EXPECT_EQ(g.buyEnabled(), c.buy) << c.lastCash << " then " << c.cash;
    EXPECT_EQ(g.btnBuyClick(), c.buy);
    EXPECT_EQ(f.s.cash, c.buy ? c.cash - 1000 : c.cash);
  }
  // At exactly 1000 on a first visit, choosing another gun and the Paintball Gun again
  // enables Buy; choosing the gun already chosen runs nothing.
  GameFixture f;
  f.s.cash = 1000;
  GunDealer& g = f.game.guns();
  g.FormShow();
  g.select(1);
  EXPECT_FALSE(g.buyEnabled());
  g.select(2);
  g.select(1);
  EXPECT_TRUE(g.buyEnabled());
}

// ---- Car dealer ----

TEST(CarDealer, TheCivicSoldThenBoughtBackWithExactlyItsPrice) {
  GameFixture f;
  f.s.cash = 6500;
  CarDealer& d = f.game.cars();
  d.FormShow();
  EXPECT_EQ(d.lblOldPrice(), 7000);
  EXPECT_EQ(d.lblOldSeats(), 4);
  EXPECT_EQ(d.lblOldTrunk(), 80);
  d.btnSellClick();
  EXPECT_EQ(f.s.cash, 13500);
  EXPECT_EQ(f.s.carKind, 0);
  EXPECT_EQ(f.s.carName, "NONE");
  EXPECT_EQ(f.s.carValue + f.s.seatsTotal + f.s.seatsFree + f.s.trunkTotal + f.s.trunkFree, 0);
  EXPECT_EQ(d.lblOldPrice() + d.lblOldSeats() + d.lblOldTrunk(), 0);
  EXPECT_FALSE(d.sellEnabled());
  // The Civic was chosen from the start: Buy waits for a selection, although 13500 is enough.
  EXPECT_FALSE(d.btnBuyClick());
  d.select(2);
  d.select(1);
  EXPECT_TRUE(d.btnBuyClick());
  EXPECT_EQ(f.s.cash, 0);
  EXPECT_EQ(f.s.carValue, 10800);
  EXPECT_TRUE(f.player.boxes.empty());
}

TEST(CarDealer, APurchaseGivesTheNewCarAllItsSpaceFree) {
  struct Case {
    int kind;
    Money value;
    int seats, trunk;
  };
  const Case cases[] = {{10, 15572, 2, 150}, {5, 68499, 7, 400}, {7, 35904, 1, 300}};
  for (const Case& c : cases) {
    GameFixture f;
    f.s.cash = 93000;
    f.game.cars().FormShow();
    f.game.cars().btnSellClick();
    f.game.cars().select(c.kind);
    EXPECT_TRUE(f.game.cars().btnBuyClick());
    EXPECT_EQ(f.s.cash, 100000 - CarOfKind(c.kind).price);
    EXPECT_EQ(f.s.carKind, c.kind);
    EXPECT_EQ(f.s.carName, CarOfKind(c.kind).name);
    EXPECT_EQ(f.s.carValue, c.value);
    EXPECT_EQ(f.s.seatsTotal, c.seats);
    EXPECT_EQ(f.s.seatsFree, c.seats);
    EXPECT_EQ(f.s.trunkTotal, c.trunk);
    EXPECT_EQ(f.s.trunkFree, c.trunk);
  }
}

// Each refusal tells why and changes nothing; money is tested before ownership.
TEST(CarDealer, Refusals) {
  struct Case {
    bool sell;
    Money cash;
    int seatsUsed, trunkUsed;
    const char* text;
    DialogKind kind;
  };
  const Case cases[] = {
      {true, 0, 0, 1, "You must first empty your trunk and seats.", DialogKind::Information},
      {true, 0, 1, 0, "You must first empty your trunk and seats.", DialogKind::Information},
      {false, 10000, 0, 0, "Insufficient Funds.", DialogKind::Error},
      {false, 50000, 0, 0, "You must sell your existing car first.", DialogKind::Information},
  };
  for (const Case& c : cases) {
    GameFixture f;
    CarDealer& d = f.game.cars();
    // The last visit ended with 50000 and the Astro chosen, so this visit's Civic has Buy on.
    f.s.cash = 50000;
    d.FormShow();
    d.select(9);
    f.s.cash = c.cash;
    f.s.seatsFree -= c.seatsUsed;
    f.s.trunkFree -= c.trunkUsed;
    const GameState before = f.s;
    d.FormShow();
    if (c.sell) {
      d.btnSellClick();
      EXPECT_TRUE(d.sellEnabled());
    } else {
      EXPECT_TRUE(d.buyEnabled());
      EXPECT_FALSE(d.btnBuyClick());
    }
    ASSERT_EQ(f.player.boxes.size(), 1u) << c.text;
    EXPECT_EQ(f.player.boxes[0].text, c.text);
    EXPECT_EQ(f.player.boxes[0].kind, c.kind);
    EXPECT_EQ(f.s.cash, before.cash);
    EXPECT_EQ(f.s.carKind, 1);
    EXPECT_EQ(f.s.carValue, 7000);
    EXPECT_EQ(f.s.seatsFree, before.seatsFree);
    EXPECT_EQ(f.s.trunkFree, before.trunkFree);
  }
}

}  // namespace
}  // namespace quillmere
