// The street-event roll and the encounters: every outcome of the table reached by a chosen
// millisecond, the border after Tijuana, the family, the mugger, the ladies and Tony.
#include <gtest/gtest.h>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using testing::GameFixture;
using Lines = std::vector<std::string>;

struct EventsTest : ::testing::Test, GameFixture {
  EventsTest() {
    // Every pursuit is left the honest way, so it changes nothing here.
    player.onPursuit = [](Game& g) {
      g.busted().btnCloseClick();
      g.busted().FormCloseQuery();
    };
  }
};

constexpr int kNone = -1;

TEST_F(EventsTest, EveryRollOfTheTableBringsItsOutcome) {
  struct Case {
    std::uint32_t r, ms;
    const char* status;
    int good;  // the good whose price the news sets
    Money price;
    const char* box;
    Pursuer pursuer;
  };
  const char* const mugged = "You were mugged at a stoplight.";
  const char* const ladies =
      "Two ladies who appreciate a hard-working drug dealer decide to come hang out with you "
      "for a while.";
  const char* const weedTrucks = "A few trucks made it over the Mexican border.";
  const char* const weedShort = "LA smog and no sun lead to a weed shortage.";
  const char* const hashish =
      "DEA seizes $40 million in hashish from LA drug kingpin. Prices rise.";
  const Case cases[] = {
      {0, 45000024, "New area labs are producing cheap acid.", Acid, 138, "", Pursuer::None},
      {1, 45000056, "Acid prices are insane!", Acid, 13591, "", Pursuer::None},
      {2, 45000025, "Cocaine prices are soaring!", Cocaine, 95590, "", Pursuer::None},
      {3, 45000026, "Cocaine prices are soaring!", Cocaine, 90480, "", Pursuer::None},
      {4, 45000090, "", kNone, 0, "", Pursuer::None},
      {5, 45000027, "Heroin prices are shooting up!", Heroin, 53580, "", Pursuer::None},
      {6, 45000028, "Heroin prices are shooting up!", Heroin, 50173, "", Pursuer::None},
      {7, 45000124, "Not much speed available on the market...", Speed, 825, "", Pursuer::None},
      {8, 45000029, hashish, Hashish, 1638, "", Pursuer::None},
      {9, 45000030, hashish, Hashish, 1468, "", Pursuer::None},
      {10, 45000031, "", kNone, 0, "", Pursuer::None},
      {11, 45000063, weedShort, Weed, 894, "", Pursuer::None},
      {12, 45000000, weedShort, Weed, 2355, "", Pursuer::None},
      {13, 45000001, weedTrucks, Weed, 121, "", Pursuer::None},
      {14, 45000002, weedTrucks, Weed, 87, "", Pursuer::None},
      {15, 45000034, weedTrucks, Weed, 197, "", Pursuer::None},
      {16, 45000003, "", kNone, 0, mugged, Pursuer::None},
      {18, 45000068, "", kNone, 0, mugged, Pursuer::None},
      {19, 45000005, "", kNone, 0, "", Pursuer::Cops},
      {21, 45000007, "", kNone, 0, "", Pursuer::Cops},
      {22, 45000039, "", kNone, 0, ladies, Pursuer::None},
      {23, 45000008, "", kNone, 0, "", Pursuer::None},
      {44, 45000023, "", kNone, 0, "", Pursuer::None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.r);
    GameFixture f;
    f.player.onPursuit = [](Game& g) { g.busted().btnCloseClick(); };
    f.s.cash = 1999;
    f.s.statusText = "yesterday's news";
    f.clock.set(c.ms);
    f.game.streetevents("misc");

    EXPECT_EQ(f.s.statusText, c.status);
    for (int good = 0; good < kGoodCount; ++good) {
      const MarketRow& row = f.s.market[std::size_t(good)];
      EXPECT_EQ(row.offered, good == c.good) << good;
      EXPECT_EQ(row.price, good == c.good ? c.price : 0) << good;
    }
    // Only the cheap acid re-prices the Acid that the info panel has selected.
    EXPECT_EQ(f.s.infoPrice, c.r == 0 ? c.price : 2500);
    EXPECT_EQ(f.player.texts(), std::string(c.box).empty() ? Lines{} : Lines{c.box});
    EXPECT_EQ(f.player.pursuers,
              c.pursuer == Pursuer::None ? std::vector<Pursuer>{} : std::vector{c.pursuer});
    EXPECT_EQ(f.s.cash, std::string(c.box) == mugged ? 1599 : 1999);
    EXPECT_EQ(f.s.possession.size(), std::string(c.box) == ladies ? 1u : 0u);
  }
}

TEST_F(EventsTest, TheCopsLeaveAPlayerWithExactlyTheStartingCashAlone) {
  s.cash = 2000;
  clock.set(45000005);  // r = 19
  game.streetevents("misc");
  EXPECT_EQ(player.pursuits, 0);
  s.cash = 2001;
  game.streetevents("misc");
  EXPECT_EQ(player.pursuers, std::vector{Pursuer::Cops});
}

TEST_F(EventsTest, AfterTijuanaOnlyTheBorderCanHappen) {
  struct Case {
    std::uint32_t ms;  // r would be news; the second draw decides the border
    int pursuits;
  };
  for (const Case& c : {Case{20000007, 0}, Case{20000011, 1}}) {
    GameFixture f;
    f.player.onPursuit = [](Game& g) { g.busted().btnCloseClick(); };
    f.s.wasInTijuana = true;
    f.s.statusText = "old";
    f.clock.set(c.ms);
    f.game.streetevents("misc");
    EXPECT_FALSE(f.s.wasInTijuana);
    EXPECT_EQ(f.s.statusText, "");
    for (const MarketRow& row : f.s.market) EXPECT_FALSE(row.offered);
    EXPECT_EQ(f.player.pursuits, c.pursuits);
    if (c.pursuits) {
      EXPECT_EQ(f.player.pursuers[0], Pursuer::BorderPatrol);
    }
    EXPECT_TRUE(f.player.boxes.empty());
  }
}

TEST_F(EventsTest, TheTijuanaRollBringsNothingButTheFamilysOffer) {
  const std::string offer =
      "A family of 4 offers you 100,000 Pesos (10,000 dolars) to take them over the border!! "
      "Will you accept?";
  struct Case {
    std::uint32_t ms;
    std::int32_t seatsFree;
    bool answer;
    bool asked;
    bool aboard;
    std::int32_t seatsAfter;
  };
  const Case cases[] = {
      {20000009, 4, true, true, true, 0},    // t = 0 (and r = 3, which would be news)
      {20000009, 4, false, true, false, 4},  //
      {20000009, 3, true, false, false, 3},  // the family needs all four seats
      {20000000, 4, true, false, false, 4},  // t = 3
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.cash = 1999;
    f.s.seatsFree = c.seatsFree;
    f.player.answers = {c.answer};
    f.clock.set(c.ms);
    f.game.streetevents("tj");
    EXPECT_TRUE(f.s.wasInTijuana);
    EXPECT_EQ(f.s.familyAboard, c.aboard);
    EXPECT_EQ(f.s.seatsFree, c.seatsAfter);
    ASSERT_EQ(f.player.boxes.size(), c.asked ? 1u : 0u);
    if (c.asked) {
      EXPECT_EQ(f.player.boxes[0].text, offer);
      EXPECT_EQ(f.player.boxes[0].kind, DialogKind::Information);
      EXPECT_EQ(f.player.boxes[0].buttons, DialogButtons::YesNo);
    }
    EXPECT_EQ(f.s.statusText, "");
    EXPECT_EQ(f.player.pursuits, 0);
  }
}

TEST_F(EventsTest, TheFamilyEitherPaysOrBailsIntoTheBorderPatrol) {
  struct Case {
    std::uint32_t ms;
    const char* box;
    Money cash;
    int pursuits;
  };
  const Case cases[] = {
      {20000001, "The family thanks you with prompt payment.", 11999, 0},
      {20000000, "The family you were transporting bails on you.", 1999, 1},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.player.onPursuit = [](Game& g) {
      // The seats are free again before the patrol comes.
      EXPECT_EQ(g.state().seatsFree, 4);
      g.busted().btnCloseClick();
    };
    f.s.cash = 1999;
    f.s.wasInTijuana = f.s.familyAboard = true;
    f.s.seatsFree = 0;
    f.clock.set(c.ms);
    f.game.streetevents("misc");
    EXPECT_EQ(f.player.texts(), Lines{c.box});
    EXPECT_EQ(f.s.cash, c.cash);
    EXPECT_EQ(f.s.seatsFree, 4);
    EXPECT_FALSE(f.s.familyAboard);
    EXPECT_FALSE(f.s.wasInTijuana);
    EXPECT_EQ(f.player.pursuits, c.pursuits);
  }
}

TEST_F(EventsTest, AMuggerTakesAFifthOfTheCashButNothingFromAnArmedPlayer) {
  s.cash = 2001;
  game.mugging();
  EXPECT_EQ(s.cash, 1600);
  EXPECT_EQ(player.texts(), Lines{"You were mugged at a stoplight."});
  s.cash = 3;
  game.mugging();
  EXPECT_EQ(s.cash, 2);
  s.gunKind = 1;
  s.cash = 2000;
  game.mugging();
  EXPECT_EQ(s.cash, 2000);
  EXPECT_EQ(player.boxes.size(), 2u);
}

TEST_F(EventsTest, APennilessPlayerLosesPartOfTheFirstLot) {
  const std::string stolen = "Some drugs were stolen from you in the streets.";
  struct Case {
    std::uint32_t ms;
    std::int32_t held, kept;
  };
  // RandomBelow(10) draws 0 at the first and 6 at the second; a lot of one draws 0.
  const Case cases[] = {{20000007, 10, 1}, {20000026, 10, 6}, {20000026, 1, 1}};
  for (const Case& c : cases) {
    GameFixture f;
    f.s.cash = 2;
    f.s.possession = {Lot{Acid, 1500, c.held}, Lot{Weed, 500, 5}};
    f.s.trunkFree = 80 - c.held - 5;
    f.clock.set(c.ms);
    f.game.mugging();
    EXPECT_EQ(f.s.possession[0].count, c.kept);
    EXPECT_EQ(f.s.possession[0].good, Acid);
    EXPECT_EQ(f.s.possession[0].price, 1500);
    EXPECT_EQ(f.s.possession[1].count, 5);
    EXPECT_EQ(f.s.trunkFree, 80 - c.kept - 5);
    EXPECT_EQ(f.s.cash, 2);
    EXPECT_EQ(f.player.texts(), Lines{stolen});
  }
}

TEST_F(EventsTest, NothingIsTakenWhenTheFirstLotIsEmptyOrTheLadies) {
  const std::vector<std::vector<Lot>> possessions = {
      {}, {Lot{}, Lot{Acid, 1500, 3}}, {Lot{Whore, 0, 2}, Lot{Acid, 1500, 3}}};
  for (const auto& lots : possessions) {
    GameFixture f;
    f.s.cash = 0;
    f.s.possession = lots;
    f.game.mugging();
    EXPECT_EQ(f.s.possession.size(), lots.size());
    if (lots.size() > 1) {
      EXPECT_EQ(f.s.possession[1].count, 3);
    }
    EXPECT_EQ(f.s.trunkFree, 80);
    EXPECT_EQ(f.player.texts(), Lines{"You were mugged- nothing was taken."});
  }
}

TEST_F(EventsTest, TheLadiesTakeTheFirstFreeRowAndTwoSeats) {
  s.possession = {Lot{Acid, 1500, 3}, Lot{Weed, 500, 4}, Lot{}, Lot{}};
  game.ladies();
  EXPECT_EQ(s.possession.size(), 4u);
  EXPECT_EQ(s.possession[2].good, Whore);
  EXPECT_EQ(s.possession[2].price, 0);
  EXPECT_EQ(s.possession[2].count, 2);
  EXPECT_EQ(s.seatsFree, 2);
  EXPECT_EQ(player.boxes.size(), 1u);

  // Every row in use: a row is added at the bottom.
  s.possession.resize(3);
  game.ladies();
  ASSERT_EQ(s.possession.size(), 4u);
  EXPECT_EQ(s.possession[3].good, Whore);
  EXPECT_TRUE(s.possessionHeaderFixed);
  EXPECT_EQ(s.seatsFree, 0);

  // No room: a word in the status bar instead.
  game.ladies();
  EXPECT_EQ(s.statusText, "You need more seats man!");
  EXPECT_EQ(s.possession.size(), 4u);
  EXPECT_EQ(s.seatsFree, 0);
  EXPECT_EQ(player.boxes.size(), 2u);
}

TEST_F(EventsTest, TonyComesFromDayFiveWhileAnythingIsOwed) {
  struct Case {
    std::int32_t day;
    Money debt;
    std::uint32_t ms;
    int pursuits;
  };
  const Case cases[] = {
      {5, 1, 30000011, 1},      // RandomBelow(6) draws 3
      {30, 5000, 30000000, 0},  // it draws 1
      {4, 5000, 30000011, 0},  {5, 0, 30000011, 0}, {5, -10, 30000011, 0},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.player.onPursuit = [](Game& g) { g.busted().btnCloseClick(); };
    f.s.day = c.day;
    f.s.debt = c.debt;
    f.clock.set(c.ms);
    f.game.tonychase();
    EXPECT_EQ(f.player.pursuits, c.pursuits) << c.day << " " << c.debt;
    if (c.pursuits) {
      EXPECT_EQ(f.player.pursuers[0], Pursuer::Tony);
    }
  }
}

}  // namespace
}  // namespace quillmere
