// The gun dealer and the car dealer: trade-ins, sales, refusals, and what the dealers'
// screens keep from one visit to the next.
#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using testing::GameFixture;

using namespace std::string_literals;
constexpr Money kMax = std::numeric_limits<Money>::max();

TEST(Dealers, EveryVisitMovesTheBankIntoCash) {
  struct Case {
    bool cars;  // the car dealer, or the gun dealer
    Money cash, bank;
    Money shown, left;  // the cash after opening, and what the cash could not hold
  } const cases[] = {
      {.cars = false, .cash = 500, .bank = 2000, .shown = 2500, .left = 0},
      {.cars = true, .cash = 5000, .bank = 20000, .shown = 25000, .left = 0},
      {.cars = true, .cash = kMax - 10, .bank = 100, .shown = kMax, .left = 90},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.cash = c.cash;
    f.s.bank = c.bank;
    c.cars ? f.act(VisitCarDealer{}) : f.act(VisitGunDealer{});
    EXPECT_EQ(c.cars ? f.game.carDealer().cash() : f.game.gunDealer().cash(), c.shown);
    EXPECT_EQ(std::pair(f.s.cash, f.s.bank), std::pair(c.shown, c.left))
        << c.cash << " + " << c.bank;
  }
}

// Buy trades the held gun in at its current value, then pays the full price.
TEST(GunDealer, TradeIns) {
  struct Case {
    int held;  // the gun held
    Money heldValue, cash;
    int bought;
    Money cashAfter;
  } const cases[] = {
      // the Rifle for the Shotgun
      {.held = 5, .heldValue = 9050, .cash = 20000, .bought = 6, .cashAfter = 14050},
      // the Pistol again: 500 net
      {.held = 3, .heldValue = 3000, .cash = 4000, .bought = 3, .cashAfter = 3500},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.gunKind = c.held, f.s.gunValue = c.heldValue, f.s.cash = c.cash;
    const GunDealer& g = f.game.gunDealer();
    f.act(VisitGunDealer{});
    f.act(Choose{c.bought});
    f.act(BuyFromDealer{});
    EXPECT_EQ(f.game.front(), Front::Main);
    const GunInfo& gun = GunOfKind(c.bought);
    EXPECT_EQ(std::tuple(f.s.cash, f.s.gunKind, f.s.gunName, f.s.gunValue),
              std::tuple(c.cashAfter, c.bought, gun.name, gun.valueAfterPurchase));
    // The next visit shows the new gun as the one held.
    f.act(VisitGunDealer{});
    EXPECT_TRUE(g.sellEnabled());
    EXPECT_EQ(std::pair(g.oldPrice(), g.oldAccuracy()),
              std::pair(f.s.gunValue, std::string(gun.accuracy)));
  }
}

// A burst of clicks on Buy reaches the engine more than once: the first purchase closes the
// dealer, and the game takes no second Buy.
TEST(Dealers, ABuyRepeatedIsNotTaken) {
  // The cash on opening, the cash and the gun's value after two Buys of the Paintball Gun.
  struct Case {
    Money cash, cashAfter, valueAfter;
  } const guns[] = {
      {.cash = 2000, .cashAfter = 1000, .valueAfter = 800},
      {.cash = 1001, .cashAfter = 1, .valueAfter = 800},
  };
  for (const Case& c : guns) {
    GameFixture f;
    f.s.cash = c.cash;
    f.act(VisitGunDealer{});
    f.act(BuyFromDealer{});
    EXPECT_FALSE(f.game.Accepts(BuyFromDealer{}));
    f.act(BuyFromDealer{});
    EXPECT_EQ(std::tuple(f.s.cash, f.s.gunKind, f.s.gunValue),
              std::tuple(c.cashAfter, 1, c.valueAfter))
        << c.cash;
  }
  // The car dealer judges the game's cash, not its own copy from the start of the visit.
  GameFixture f;
  f.s.cash = 30000, f.s.carKind = 0;
  f.act(VisitCarDealer{});
  f.act(Choose{2});
  f.s.cash = 100;
  f.act(BuyFromDealer{});
  EXPECT_EQ(f.game.front(), Front::CarDealer);
  EXPECT_EQ(std::pair(f.s.cash, f.s.carKind), std::pair(100, 0));
  EXPECT_EQ(f.player.texts(), std::vector{"Insufficient Funds."s});
}

TEST(GunDealer, ASaleEmptiesTheSlotAndLeavesBuyAsItWas) {
  GameFixture f;
  f.s.gunKind = 8, f.s.gunName = "Machinegun", f.s.cash = 10000;
  f.s.gunValue = 54000;  // worn by the trips since it was bought
  const GunDealer& g = f.game.gunDealer();
  f.act(VisitGunDealer{});
  // The trade-in does not count towards affording a gun.
  f.act(Choose{6});
  f.act(BuyFromDealer{});
  EXPECT_EQ(f.game.front(), Front::GunDealer);
  f.act(SellToDealer{});
  EXPECT_EQ(std::tuple(f.s.cash, g.cash(), f.s.gunName, f.s.gunKind, f.s.gunValue),
            std::tuple(64000, 64000, "NONE", 0, 0));
  EXPECT_EQ(std::pair(g.oldPrice(), g.oldAccuracy()), std::pair(0, "0/10"s));
  EXPECT_FALSE(g.sellEnabled());
  EXPECT_FALSE(g.buyEnabled());  // only the next selection judges again
  f.act(Choose{7});
  f.act(BuyFromDealer{});
  EXPECT_EQ(f.game.front(), Front::Main);
  EXPECT_EQ(f.s.cash, 64000 - 18000);
}

// On opening, Buy for the preselected Paintball Gun depends on the cash the last visit ended
// with, the gun it left selected and the cash now; it is never on for a gun beyond the cash.
TEST(GunDealer, BuyOnOpening) {
  struct Case {
    Money lastCash;    // the cash the last visit ended with (-1: this is the first)
    int lastSelected;  // the gun it left selected
    Money cash;
    bool buy;  // whether Buy is on
  } const cases[] = {
      {.lastCash = -1, .lastSelected = 1, .cash = 1000, .buy = false},
      {.lastCash = -1, .lastSelected = 1, .cash = 1001, .buy = true},
      {.lastCash = -1, .lastSelected = 1, .cash = 999, .buy = false},
      {.lastCash = 5000, .lastSelected = 4, .cash = 1000, .buy = true},
      {.lastCash = 500, .lastSelected = 4, .cash = 1000, .buy = false},
      {.lastCash = 5000, .lastSelected = 4, .cash = 900, .buy = false},
      {.lastCash = 5000, .lastSelected = 1, .cash = 500, .buy = false},
      {.lastCash = 5000, .lastSelected = 1, .cash = 1000, .buy = true},
      {.lastCash = 500, .lastSelected = 1, .cash = 1000, .buy = false},
  };
  for (const Case& c : cases) {
    GameFixture f;
    const GunDealer& g = f.game.gunDealer();
    if (c.lastCash >= 0) {
      f.s.cash = c.lastCash;
      f.act(VisitGunDealer{});
      f.act(Choose{c.lastSelected});
      f.act(LeaveDealer{});
    }
    f.s.cash = c.cash;
    f.act(VisitGunDealer{});
    EXPECT_EQ(g.selected(), 1);
    EXPECT_FALSE(g.sellEnabled());  // no gun held
    f.act(BuyFromDealer{});
    EXPECT_EQ(f.game.front() == Front::Main, c.buy) << c.lastCash << " then " << c.cash;
    EXPECT_EQ(f.s.cash, c.buy ? c.cash - 1000 : c.cash);
  }
  // At exactly 1000 on a first visit, choosing another gun and the Paintball Gun again
  // enables Buy; choosing the gun already chosen runs nothing.
  GameFixture f;
  f.s.cash = 1000;
  const GunDealer& g = f.game.gunDealer();
  f.act(VisitGunDealer{});
  f.act(Choose{1});
  EXPECT_FALSE(g.buyEnabled());
  f.act(Choose{2});
  f.act(Choose{1});
  EXPECT_TRUE(g.buyEnabled());
}

TEST(CarDealer, TheCivicSoldThenBoughtBackWithExactlyItsPrice) {
  GameFixture f;
  f.s.cash = 6500;
  const CarDealer& d = f.game.carDealer();
  f.act(VisitCarDealer{});
  EXPECT_EQ(std::tuple(d.oldPrice(), d.oldSeats(), d.oldTrunk()), std::tuple(7000, 4, 80));
  f.act(SellToDealer{});
  EXPECT_EQ(std::tuple(f.s.cash, f.s.carKind, f.s.carName), std::tuple(13500, 0, "NONE"));
  EXPECT_EQ(std::tuple(f.s.carValue, f.s.seatsTotal, f.s.seatsFree, f.s.trunkTotal, f.s.trunkFree),
            std::tuple(0, 0, 0, 0, 0));
  EXPECT_EQ(std::tuple(d.oldPrice(), d.oldSeats(), d.oldTrunk()), std::tuple(0, 0, 0));
  EXPECT_FALSE(d.sellEnabled());
  // The Civic was chosen from the start: Buy waits for a selection, although 13500 is enough.
  f.act(BuyFromDealer{});
  EXPECT_EQ(f.game.front(), Front::CarDealer);
  f.act(Choose{2});
  f.act(Choose{1});
  f.act(BuyFromDealer{});
  EXPECT_EQ(f.game.front(), Front::Main);
  EXPECT_EQ(std::pair(f.s.cash, f.s.carValue), std::pair(0, 10800));
  EXPECT_TRUE(f.player.boxes.empty());
}

TEST(CarDealer, APurchaseGivesTheNewCarAllItsSpaceFree) {
  struct Case {
    int kind;
    Money value;  // after purchase
    int seats, trunk;
  } const cases[] = {
      {.kind = 10, .value = 15572, .seats = 2, .trunk = 150},
      {.kind = 5, .value = 68499, .seats = 7, .trunk = 400},
      {.kind = 7, .value = 35904, .seats = 1, .trunk = 300},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.cash = 93000;
    f.act(VisitCarDealer{});
    f.act(SellToDealer{});
    f.act(Choose{c.kind});
    f.act(BuyFromDealer{});
    EXPECT_EQ(f.game.front(), Front::Main);
    const CarInfo& car = CarOfKind(c.kind);
    EXPECT_EQ(std::tuple(f.s.cash, f.s.carKind, f.s.carName, f.s.carValue),
              std::tuple(100000 - car.price, c.kind, car.name, c.value));
    EXPECT_EQ(std::tuple(f.s.seatsTotal, f.s.seatsFree, f.s.trunkTotal, f.s.trunkFree),
              std::tuple(c.seats, c.seats, c.trunk, c.trunk));
  }
}

// Each refusal tells why and changes nothing; money is tested before ownership.
TEST(CarDealer, Refusals) {
  const std::string full = "You must first empty your trunk and seats.";
  struct Case {
    bool sell;  // Sell, or Buy
    Money cash;
    int seatsUsed = 0, trunkUsed = 0;
    std::string text;
    DialogKind kind = DialogKind::Information;
  } const cases[] = {
      {.sell = true, .cash = 0, .trunkUsed = 1, .text = full},
      {.sell = true, .cash = 0, .seatsUsed = 1, .text = full},
      {.sell = false, .cash = 10000, .text = "Insufficient Funds.", .kind = DialogKind::Error},
      {.sell = false, .cash = 50000, .text = "You must sell your existing car first."},
  };
  for (const Case& c : cases) {
    GameFixture f;
    const CarDealer& d = f.game.carDealer();
    // The last visit ended with 50000 and the Astro chosen, so this visit's Civic has Buy on.
    f.s.cash = 50000;
    f.act(VisitCarDealer{});
    f.act(Choose{9});
    f.act(LeaveDealer{});
    f.s.cash = c.cash;
    f.s.seatsFree -= c.seatsUsed;
    f.s.trunkFree -= c.trunkUsed;
    f.act(VisitCarDealer{});
    f.act(c.sell ? Action{SellToDealer{}} : Action{BuyFromDealer{}});
    EXPECT_EQ(f.game.front(), Front::CarDealer);
    if (c.sell) {
      EXPECT_TRUE(d.sellEnabled());
    }
    ASSERT_EQ(f.player.texts(), std::vector{c.text});
    EXPECT_EQ(f.player.boxes[0].kind, c.kind);
    EXPECT_EQ(std::tuple(f.s.cash, f.s.carKind, f.s.carValue, f.s.seatsFree, f.s.trunkFree),
              std::tuple(c.cash, 1, 7000, 4 - c.seatsUsed, 80 - c.trunkUsed));
  }
}

}  // namespace
}  // namespace quillmere
