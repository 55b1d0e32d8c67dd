// The street-event roll and the encounters: every outcome of the table reached by a chosen
// millisecond, the border after Tijuana, the family, the mugger, the ladies and Tony.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using Lines = std::vector<std::string>;
using Pursuers = std::vector<Pursuer>;

// A game whose pursuits are all left the honest way, so they change nothing by themselves.
struct Street : testing::GameFixture {
  explicit Street(std::uint32_t ms = 0) {
    clock.set(ms);
    player.onPursuit = [](Game& g) { g.busted().btnCloseClick(); };
  }
};

TEST(StreetEvents, EveryRollOfTheTableBringsItsOutcome) {
  const char* const mugged = "You were mugged at a stoplight.";
  const char* const ladies =
      "Two ladies who appreciate a hard-working drug dealer decide to come hang out with you "
      "for a while.";
  const char* const hashish =
      "DEA seizes $40 million in hashish from LA drug kingpin. Prices rise.";
  const char* const shortage = "LA smog and no sun lead to a weed shortage.";
  const char* const trucks = "A few trucks made it over the Mexican border.";
  const char* const cocaine = "Cocaine prices are soaring!";
  const char* const heroin = "Heroin prices are shooting up!";
  struct Case {
    std::uint32_t r, ms;
    const char* status;
    int good;  // the good the news re-prices, or -1
    Money price;
    const char* box;
  } const cases[] = {
      {0, 45000024, "New area labs are producing cheap acid.", Acid, 138, ""},
      {1, 45000056, "Acid prices are insane!", Acid, 13591, ""},
      {2, 45000025, cocaine, Cocaine, 95590, ""},
      {3, 45000026, cocaine, Cocaine, 90480, ""},
      {4, 45000090, "", -1, 0, ""},
      {5, 45000027, heroin, Heroin, 53580, ""},
      {6, 45000028, heroin, Heroin, 50173, ""},
      {7, 45000124, "Not much speed available on the market...", Speed, 825, ""},
      {8, 45000029, hashish, Hashish, 1638, ""},
      {9, 45000030, hashish, Hashish, 1468, ""},
      {10, 45000031, "", -1, 0, ""},
      {11, 45000063, shortage, Weed, 894, ""},
      {12, 45000000, shortage, Weed, 2355, ""},
      {13, 45000001, trucks, Weed, 121, ""},
      {15, 45000034, trucks, Weed, 197, ""},
      {16, 45000003, "", -1, 0, mugged},
      {18, 45000068, "", -1, 0, mugged},
      {19, 45000005, "", -1, 0, ""},  // the cops
      {21, 45000007, "", -1, 0, ""},  // the cops
      {22, 45000039, "", -1, 0, ladies},
      {23, 45000008, "", -1, 0, ""},
      {44, 45000023, "", -1, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.r);
    Street f(c.ms);
    f.s.cash = 1999;
    f.s.statusText = "yesterday's news";
    f.game.streetevents("misc");
    EXPECT_EQ(f.s.statusText, c.status);
    for (int good = 0; good < kGoodCount; ++good) {
      const MarketRow& row = f.s.market[static_cast<std::size_t>(good)];
      EXPECT_EQ(std::pair(row.offered, row.price),
                good == c.good ? std::pair(true, c.price) : std::pair(false, 0));
    }
    // Only the cheap acid re-prices the Acid selected in the info panel.
    EXPECT_EQ(f.s.infoPrice, c.r == 0 ? c.price : 2500);
    EXPECT_EQ(f.player.texts(), *c.box ? Lines{c.box} : Lines{});
    EXPECT_EQ(f.player.pursuers, c.r == 19 || c.r == 21 ? Pursuers{Pursuer::Cops} : Pursuers{});
    EXPECT_EQ(f.s.cash, c.box == mugged ? 1599 : 1999);
    EXPECT_EQ(f.s.possession.size(), c.box == ladies ? 1u : 0u);
  }
  // The cops leave alone a player with exactly the starting cash.
  Street f(45000005);
  f.game.streetevents("misc");
  EXPECT_EQ(f.player.pursuits, 0);
}

TEST(StreetEvents, TijuanaBringsOnlyTheFamilysOfferAndTheWayBackOnlyTheBorder) {
  const std::string offer =
      "A family of 4 offers you 100,000 Pesos (10,000 dolars) to take them over the border!! "
      "Will you accept?";
  const std::string thanks = "The family thanks you with prompt payment.";
  const std::string bails = "The family you were transporting bails on you.";
  struct Case {
    const char* kind;
    std::uint32_t ms;  // each would bring news or an encounter on an ordinary roll
    bool inTijuana, family;
    std::int32_t seats;
    Lines boxes;
    bool familyAfter;
    std::int32_t seatsAfter;
    Money cashAfter;
    Pursuers pursuers;
  } const cases[] = {
      {"tj", 20000009, false, false, 4, {offer}, true, 0, 1999, {}},  // t = 0, answered Yes
      {"tj", 20000009, false, false, 3, {}, false, 3, 1999, {}},      // no room for the family
      {"tj", 20000009, false, false, 7, {}, false, 7, 1999, {}},      // four seats exactly
      {"tj", 20000000, false, false, 4, {}, false, 4, 1999, {}},      // t = 3
      {"misc", 20000007, true, false, 4, {}, false, 4, 1999, {}},     // b = 1 of 5
      {"misc", 20000011, true, false, 4, {}, false, 4, 1999, {Pursuer::BorderPatrol}},  // b = 3
      {"misc", 20000001, true, true, 0, {thanks}, false, 4, 11999, {}},                 // b = 0
      {"misc", 20000000, true, true, 0, {bails}, false, 4, 1999, {Pursuer::BorderPatrol}},
      // Two seats freed by a sale while the family rode along are not lost when it leaves.
      {"misc", 20000001, true, true, 2, {thanks}, false, 6, 11999, {}},
      {"misc", 20000000, true, true, 2, {bails}, false, 6, 1999, {Pursuer::BorderPatrol}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ms);
    Street f(c.ms);
    f.player.answers = {true};
    f.s.cash = 1999, f.s.seatsFree = c.seats, f.s.statusText = "old";
    f.s.wasInTijuana = c.inTijuana, f.s.familyAboard = c.family;
    f.game.streetevents(c.kind);
    EXPECT_EQ(f.player.texts(), c.boxes);
    EXPECT_EQ(std::tuple(f.s.familyAboard, f.s.wasInTijuana, f.s.seatsFree, f.s.cash),
              std::tuple(c.familyAfter, std::string(c.kind) == "tj", c.seatsAfter, c.cashAfter));
    EXPECT_EQ(f.player.pursuers, c.pursuers);
    EXPECT_EQ(f.s.statusText, "");
    for (const MarketRow& row : f.s.market) EXPECT_FALSE(row.offered);
    for (const auto& box : f.player.boxes)
      EXPECT_EQ(box.buttons, box.text == offer ? DialogButtons::YesNo : DialogButtons::Ok);
  }
}

TEST(StreetEvents, WhatTheCashCannotHoldOfTheFamilysPaymentGoesToTheBank) {
  Street f(20000001);  // b = 0: the family pays
  f.s.wasInTijuana = f.s.familyAboard = true, f.s.seatsFree = 0;
  f.s.cash = 2147483647 - 4000, f.s.bank = 100;
  f.game.streetevents("misc");
  EXPECT_EQ(std::pair(f.s.cash, f.s.bank), std::pair(2147483647, 6100));
}

TEST(StreetEvents, AMuggerTakesAFifthOfTheCashOrElsePartOfTheFirstLot) {
  const std::string cash = "You were mugged at a stoplight.";
  const std::string stolen = "Some drugs were stolen from you in the streets.";
  const std::string nothing = "You were mugged- nothing was taken.";
  const Lot weed{Weed, 500, 5};
  struct Case {
    std::uint32_t ms;  // RandomBelow(10) draws 0 at 20000007 and 6 at 20000026
    Money cash;
    int gunKind;
    std::vector<Lot> lots;
    Money cashAfter;
    std::int32_t kept, trunkGained;  // the first lot's count afterwards, the space freed
    std::string box;
  } const cases[] = {
      {0, 2001, 0, {}, 1600, 0, 0, cash},
      {0, 3, 0, {}, 2, 0, 0, cash},
      {0, 2000, 1, {}, 2000, 0, 0, ""},  // armed: nothing happens
      {20000026, 2, 0, {Lot{Acid, 1500, 10}, weed}, 2, 6, 4, stolen},
      {20000007, 2, 0, {Lot{Acid, 1500, 10}, weed}, 2, 1, 9, stolen},  // never takes it all
      {20000026, 2, 0, {Lot{Acid, 1500, 1}, weed}, 2, 1, 0, stolen},
      {0, 0, 0, {Lot{}, weed}, 0, 0, 0, nothing},
      {0, 0, 0, {Lot{Whore, 0, 2}, weed}, 0, 2, 0, nothing},
      {0, -5, 0, {}, -5, 0, 0, nothing},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cash);
    Street f(c.ms);
    f.s.cash = c.cash, f.s.gunKind = c.gunKind, f.s.possession = c.lots;
    f.game.mugging();
    EXPECT_EQ(std::pair(f.s.cash, f.s.trunkFree), std::pair(c.cashAfter, 80 + c.trunkGained));
    EXPECT_EQ(f.player.texts(), c.box.empty() ? Lines{} : Lines{c.box});
    if (!c.lots.empty()) {
      EXPECT_EQ(std::tuple(f.s.possession[0].good, f.s.possession[0].count),
                std::tuple(c.lots[0].good, c.kept));
      EXPECT_EQ(f.s.possession[1].count, 5);
    }
  }
}

TEST(StreetEvents, TheLadiesTakeTheFirstFreeRowAndTwoSeats) {
  Street f;
  f.s.possession = {Lot{Acid, 1500, 3}, Lot{Weed, 500, 4}, Lot{}, Lot{}};
  f.game.ladies();
  f.s.possession.resize(3);
  f.game.ladies();  // every row in use: one is added
  f.game.ladies();  // no seats left
  ASSERT_EQ(f.s.possession.size(), 4u);
  for (const Lot& lot : {f.s.possession[2], f.s.possession[3]})
    EXPECT_EQ(std::tuple(lot.good, lot.price, lot.count), std::tuple(Whore, 0, 2));
  EXPECT_EQ(f.s.seatsFree, 0);
  EXPECT_EQ(f.s.statusText, "You need more seats man!");
  EXPECT_EQ(f.player.boxes.size(), 2u);
}

TEST(StreetEvents, TonyComesFromDayFiveWhileAnythingIsOwed) {
  // Day, debt, millisecond (RandomBelow(6) draws 3 at 30000011, 1 at 30000000), Tony comes.
  const std::tuple<std::int32_t, Money, std::uint32_t, bool> cases[] = {{5, 1, 30000011, true},
                                                                        {30, 5000, 30000000, false},
                                                                        {4, 5000, 30000011, false},
                                                                        {5, 0, 30000011, false}};
  for (const auto& [day, debt, ms, comes] : cases) {
    Street f(ms);
    f.s.day = day;
    f.s.debt = debt;
    f.game.tonychase();
    EXPECT_EQ(f.player.pursuers, comes ? Pursuers{Pursuer::Tony} : Pursuers{}) << day;
  }
}

}  // namespace
}  // namespace quillmere
