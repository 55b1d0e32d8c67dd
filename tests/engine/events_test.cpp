// The street-event roll and the encounters: every outcome of the table reached by a trip on
// a chosen millisecond, the border after Tijuana, the family, the mugger, the ladies and Tony.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using Lines = std::vector<std::string>;
using Pursuers = std::vector<Pursuer>;

using testing::Draws;
using testing::MillisecondWhere;

// A game on a clock set to the millisecond of its next trip. A pursuit the trip brings stays
// in front, unanswered, so it changes nothing by itself.
struct Street : testing::GameFixture {
  explicit Street(std::uint32_t ms = 0) { clock.set(ms); }
  // A trip from the city (or to Tijuana): the roll of kind "misc" (or "tj").
  void trip(Place place = Place::Downtown) { act(Travel{place}); }
};

// The market a trip to Downtown draws at a millisecond, before any news: coming back from
// Tijuana alone, the roll brings only the border.
std::array<MarketRow, kGoodCount> TripMarket(std::uint32_t ms) {
  Street f(ms);
  f.s.wasInTijuana = true;
  f.trip();
  return f.s.market;
}

// Milliseconds whose roll (the first draw below 45) brings the mugger, and whose first draw
// below 10 (or below 2) is the number of units the mugger leaves of a lot of 10 (or 2).
bool Mugger(Draws d) {
  const std::uint32_t r = d.below(45);
  return r >= 16 && r <= 18;
}
const std::uint32_t kMugger = MillisecondWhere(20000000, Mugger);
const std::uint32_t kMuggerLeaves4Of10 =
    MillisecondWhere(20000000, [](Draws d) { return Mugger(d) && d.below(10) == 4; });
const std::uint32_t kMuggerLeaves0Of2 =
    MillisecondWhere(20000000, [](Draws d) { return Mugger(d) && d.below(2) == 0; });

TEST(StreetEvents, EveryRollOfTheTableBringsItsOutcome) {
  const std::string mugged = "You were mugged at a stoplight.";
  const std::string ladies =
      "Two ladies who appreciate a hard-working drug dealer decide to come hang out with you "
      "for a while.";
  const std::string hashish =
      "DEA seizes $40 million in hashish from LA drug kingpin. Prices rise.";
  const std::string shortage = "LA smog and no sun lead to a weed shortage.";
  const std::string trucks = "A few trucks made it over the Mexican border.";
  const std::string cocaine = "Cocaine prices are soaring!";
  const std::string heroin = "Heroin prices are shooting up!";
  struct Case {
    std::uint32_t r, ms;  // the roll, and a millisecond that draws it
    std::string status{};
    int good = -1;  // the good the news re-prices, or -1
    Money price = 0;
    std::string box{};
  } const cases[] = {
      {.r = 0,
       .ms = 45000024,
       .status = "New area labs are producing cheap acid.",
       .good = Acid,
       .price = 138},
      {.r = 1, .ms = 45000056, .status = "Acid prices are insane!", .good = Acid, .price = 13591},
      {.r = 2, .ms = 45000025, .status = cocaine, .good = Cocaine, .price = 95590},
      {.r = 3, .ms = 45000026, .status = cocaine, .good = Cocaine, .price = 90480},
      {.r = 4, .ms = 45000090},
      {.r = 5, .ms = 45000027, .status = heroin, .good = Heroin, .price = 53580},
      {.r = 6, .ms = 45000028, .status = heroin, .good = Heroin, .price = 50173},
      {.r = 7,
       .ms = 45000124,
       .status = "Not much speed available on the market...",
       .good = Speed,
       .price = 825},
      {.r = 8, .ms = 45000029, .status = hashish, .good = Hashish, .price = 1638},
      {.r = 9, .ms = 45000030, .status = hashish, .good = Hashish, .price = 1468},
      {.r = 10, .ms = 45000031},
      {.r = 11, .ms = 45000063, .status = shortage, .good = Weed, .price = 894},
      {.r = 12, .ms = 45000000, .status = shortage, .good = Weed, .price = 2355},
      {.r = 13, .ms = 45000001, .status = trucks, .good = Weed, .price = 121},
      {.r = 15, .ms = 45000034, .status = trucks, .good = Weed, .price = 197},
      {.r = 16, .ms = 45000003, .box = mugged},
      {.r = 18, .ms = 45000068, .box = mugged},
      {.r = 19, .ms = 45000005},  // the cops
      {.r = 21, .ms = 45000007},  // the cops
      {.r = 22, .ms = 45000039, .box = ladies},
      {.r = 23, .ms = 45000008},
      {.r = 44, .ms = 45000023},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.r);
    const auto market = TripMarket(c.ms);
    Street f(c.ms);
    f.s.cash = 1999;
    f.v.statusText = "yesterday's news";
    f.trip();
    EXPECT_EQ(f.v.statusText, c.status);
    // The news re-prices its good and no other.
    for (std::size_t good = 0; good < kGoodCount; ++good) {
      const MarketRow& row = f.s.market[good];
      const MarketRow& drawn = market[good];
      EXPECT_EQ(std::pair(row.offered, row.price), static_cast<int>(good) == c.good
                                                       ? std::pair(true, c.price)
                                                       : std::pair(drawn.offered, drawn.price));
    }
    // Only the cheap acid re-prices the Acid selected in the info panel.
    EXPECT_EQ(f.v.infoPrice, c.r == 0 ? c.price : market[Acid].price);
    EXPECT_EQ(f.player.texts(), c.box.empty() ? Lines{} : Lines{c.box});
    EXPECT_EQ(f.player.pursuers, c.r == 19 || c.r == 21 ? Pursuers{Pursuer::Cops} : Pursuers{});
    EXPECT_EQ(f.s.cash, c.box == mugged ? 1599 : 1999);
    EXPECT_EQ(f.s.possession.size(), c.box == ladies ? 1u : 0u);
  }
  // The cops leave alone a player with exactly the starting cash.
  Street f(45000005);
  f.trip();
  EXPECT_EQ(f.player.pursuits, 0);
}

TEST(StreetEvents, TijuanaBringsOnlyTheFamilysOfferAndTheWayBackOnlyTheBorder) {
  const std::string offer =
      "A family of 4 offers you 100,000 Pesos (10,000 dolars) to take them over the border!! "
      "Will you accept?";
  const std::string thanks = "The family thanks you with prompt payment.";
  const std::string bails = "The family you were transporting bails on you.";
  enum class EventKind { Misc, Tj };
  struct Case {
    EventKind kind;
    std::uint32_t ms;  // each would bring news or an encounter on an ordinary roll
    bool inTijuana = false, family = false;
    std::int32_t seats;
    Lines boxes{};
    bool familyAfter = false;
    std::int32_t seatsAfter;
    Money cashAfter = 1999;
    Pursuers pursuers{};
  } const cases[] = {
      // t = 0, answered Yes
      {.kind = EventKind::Tj,
       .ms = 20000009,
       .seats = 4,
       .boxes = {offer},
       .familyAfter = true,
       .seatsAfter = 0},
      // no room for the family
      {.kind = EventKind::Tj, .ms = 20000009, .seats = 3, .seatsAfter = 3},
      // four seats exactly
      {.kind = EventKind::Tj, .ms = 20000009, .seats = 7, .seatsAfter = 7},
      // t = 3
      {.kind = EventKind::Tj, .ms = 20000000, .seats = 4, .seatsAfter = 4},
      // b = 1 of 5
      {.kind = EventKind::Misc, .ms = 20000007, .inTijuana = true, .seats = 4, .seatsAfter = 4},
      // b = 3
      {.kind = EventKind::Misc,
       .ms = 20000011,
       .inTijuana = true,
       .seats = 4,
       .seatsAfter = 4,
       .pursuers = {Pursuer::BorderPatrol}},
      // b = 0
      {.kind = EventKind::Misc,
       .ms = 20000001,
       .inTijuana = true,
       .family = true,
       .seats = 0,
       .boxes = {thanks},
       .seatsAfter = 4,
       .cashAfter = 11999},
      {.kind = EventKind::Misc,
       .ms = 20000000,
       .inTijuana = true,
       .family = true,
       .seats = 0,
       .boxes = {bails},
       .seatsAfter = 4,
       .pursuers = {Pursuer::BorderPatrol}},
      // Two seats freed by a sale while the family rode along are not lost when it leaves.
      {.kind = EventKind::Misc,
       .ms = 20000001,
       .inTijuana = true,
       .family = true,
       .seats = 2,
       .boxes = {thanks},
       .seatsAfter = 6,
       .cashAfter = 11999},
      {.kind = EventKind::Misc,
       .ms = 20000000,
       .inTijuana = true,
       .family = true,
       .seats = 2,
       .boxes = {bails},
       .seatsAfter = 6,
       .pursuers = {Pursuer::BorderPatrol}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ms);
    Street f(c.ms);
    f.player.answers = {true};
    f.s.cash = 1999, f.s.seatsFree = c.seats, f.v.statusText = "old";
    f.s.wasInTijuana = c.inTijuana, f.s.familyAboard = c.family;
    f.trip(c.kind == EventKind::Tj ? Place::Tijuana : Place::Downtown);
    EXPECT_EQ(f.player.texts(), c.boxes);
    EXPECT_EQ(std::tuple(f.s.familyAboard, f.s.wasInTijuana, f.s.seatsFree, f.s.cash),
              std::tuple(c.familyAfter, c.kind == EventKind::Tj, c.seatsAfter, c.cashAfter));
    EXPECT_EQ(f.player.pursuers, c.pursuers);
    EXPECT_EQ(f.v.statusText, "");
    if (c.kind == EventKind::Misc) {
      EXPECT_EQ(f.s.market, TripMarket(c.ms));  // no news
    }
    for (const auto& box : f.player.boxes)
      EXPECT_EQ(box.buttons, box.text == offer ? DialogButtons::YesNo : DialogButtons::Ok);
  }
}

TEST(StreetEvents, WhatTheCashCannotHoldOfTheFamilysPaymentGoesToTheBank) {
  Street f(20000001);  // b = 0: the family pays
  f.s.wasInTijuana = f.s.familyAboard = true, f.s.seatsFree = 0;
  f.s.cash = 2147483647 - 4000, f.s.bank = 100;
  f.trip();
  // 100 with the trip's interest, and 6000 of the payment.
  EXPECT_EQ(std::pair(f.s.cash, f.s.bank), std::pair(2147483647, 6104));
}

TEST(StreetEvents, AMuggerTakesAFifthOfTheCashOrElsePartOfTheFirstLot) {
  const std::string cash = "You were mugged at a stoplight.";
  const std::string stolen = "Some drugs were stolen from you in the streets.";
  const std::string nothing = "You were mugged- nothing was taken.";
  const Lot weed{Weed, 500, 5};
  struct Case {
    std::uint32_t ms = kMugger;
    Money cash;
    int gunKind = 0;
    std::vector<Lot> lots{}, lotsAfter{};
    Money cashAfter;
    std::int32_t trunkGained = 0;  // the space freed
    std::string box{};
  } const cases[] = {
      {.cash = 2001, .cashAfter = 1600, .box = cash},
      {.cash = 3, .cashAfter = 2, .box = cash},
      {.cash = 2000, .gunKind = 1, .cashAfter = 2000},  // armed: nothing happens
      {.ms = kMuggerLeaves4Of10,
       .cash = 2,
       .lots = {Lot{Acid, 1500, 10}, weed},
       .lotsAfter = {Lot{Acid, 1500, 4}, weed},
       .cashAfter = 2,
       .trunkGained = 6,
       .box = stolen},
      // never takes it all
      {.ms = kMuggerLeaves0Of2,
       .cash = 2,
       .lots = {Lot{Acid, 1500, 2}, weed},
       .lotsAfter = {Lot{Acid, 1500, 1}, weed},
       .cashAfter = 2,
       .trunkGained = 1,
       .box = stolen},
      {.cash = 2,
       .lots = {Lot{Acid, 1500, 1}, weed},
       .lotsAfter = {Lot{Acid, 1500, 1}, weed},
       .cashAfter = 2,
       .box = stolen},
      {.cash = 0,
       .lots = {Lot{}, weed},
       .lotsAfter = {Lot{}, weed},
       .cashAfter = 0,
       .box = nothing},
      {.cash = 0,
       .lots = {Lot{Whore, 0, 2}, weed},
       .lotsAfter = {Lot{Whore, 0, 2}, weed},
       .cashAfter = 0,
       .box = nothing},
      {.cash = -5, .cashAfter = -5, .box = nothing},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cash);
    Street f(c.ms);
    f.s.cash = c.cash, f.s.gunKind = c.gunKind, f.s.possession = c.lots;
    f.trip();
    EXPECT_EQ(std::pair(f.s.cash, f.s.trunkFree), std::pair(c.cashAfter, 80 + c.trunkGained));
    EXPECT_EQ(f.player.texts(), c.box.empty() ? Lines{} : Lines{c.box});
    EXPECT_EQ(f.s.possession, c.lotsAfter);
  }
}

TEST(StreetEvents, TheLadiesTakeTheFirstFreeRowAndTwoSeats) {
  Street f(45000039);  // the roll draws 22
  f.s.possession = {Lot{Acid, 1500, 3}, Lot{Weed, 500, 4}, Lot{}, Lot{}};
  f.trip();
  f.s.possession.resize(3);
  f.trip();  // every row in use: one is added
  f.trip();  // no seats left
  ASSERT_EQ(f.s.possession.size(), 4u);
  for (const Lot& lot : {f.s.possession[2], f.s.possession[3]})
    EXPECT_EQ(std::tuple(lot.good, lot.price, lot.count), std::tuple(Whore, 0, 2));
  EXPECT_EQ(f.s.seatsFree, 0);
  EXPECT_EQ(f.v.statusText, "You need more seats man!");
  EXPECT_EQ(f.player.boxes.size(), 2u);
}

TEST(StreetEvents, TonyComesFromDayFiveWhileAnythingIsOwed) {
  struct Case {
    std::int32_t day;
    Money debt;
    std::uint32_t ms;  // RandomBelow(6) draws 3 at 30000011, 1 at 30000000; no cops there
    bool comes;
  } const cases[] = {{.day = 5, .debt = 1, .ms = 30000011, .comes = true},
                     {.day = 30, .debt = 5000, .ms = 30000000, .comes = false},
                     {.day = 4, .debt = 5000, .ms = 30000011, .comes = false},
                     {.day = 5, .debt = 0, .ms = 30000011, .comes = false}};
  for (const Case& c : cases) {
    Street f(c.ms);
    f.s.day = c.day;
    f.s.debt = c.debt;
    f.trip();
    EXPECT_EQ(f.player.pursuers, c.comes ? Pursuers{Pursuer::Tony} : Pursuers{}) << c.day;
  }
}

}  // namespace
}  // namespace quillmere
