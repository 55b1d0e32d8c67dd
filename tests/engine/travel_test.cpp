// Trips: the day cycle, the per-trip upkeep, the car check, the places' own prices, the
// pursuits a trip can bring, the end of the game, and a whole game played to its end.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using testing::GameFixture;
using Lines = std::vector<std::string>;
constexpr Money kMax = std::numeric_limits<Money>::max();

struct TravelTest : ::testing::Test, GameFixture {};

TEST_F(TravelTest, NewDayStepsThroughTheDayAndRunsTheUpkeepAndTheMarketOnce) {
  using enum TimeOfDay;
  struct Case {
    int periods;
    TimeOfDay from, to;
    std::int32_t day;
  };
  const Case cases[] = {
      {1, Morning, Day, 30},     {1, Day, Night, 30},   {1, Night, Morning, 31},
      {2, Morning, Night, 30},   {2, Day, Morning, 31}, {2, Night, Day, 31},
      {3, Morning, Morning, 31}, {3, Day, Day, 31},     {3, Night, Night, 31},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.day = 30;
    f.s.timeOfDay = c.from;
    f.s.bank = 100;
    f.game.NewDay(c.periods);
    EXPECT_EQ(f.s.timeOfDay, c.to) << c.periods << " " << TimeOfDayText(c.from);
    EXPECT_EQ(f.s.day, c.day) << c.periods << " " << TimeOfDayText(c.from);
    EXPECT_EQ(f.s.bank, 104);
    EXPECT_TRUE(f.s.market[Acid].offered);
  }
}

TEST_F(TravelTest, UpkeepGrowsMoneyWearsValuesAndNeverWraps) {
  struct Values {
    Money bank, debt, car, gun;
    bool operator==(const Values&) const = default;
  };
  const std::pair<Values, Values> cases[] = {
      {{100, 2000, 7000, 0}, {104, 2160, 6300, 0}},
      {{0, 0, 6300, 1000}, {0, 0, 5670, 900}},
      {{60, 1, 1, 1}, {62, 1, 0, 0}},
      {{-100, -2000, -100, -50}, {-104, -2160, 0, 0}},
      {{kMax, kMax, kMax, kMax}, {kMax, kMax, 1932735282, 1932735282}},
      {{2100000000, 2000000000, 0, 0}, {kMax, kMax, 0, 0}},
  };
  for (const auto& [before, after] : cases) {
    s.bank = before.bank;
    s.debt = before.debt;
    s.carValue = before.car;
    s.gunValue = before.gun;
    game.dailygrind();
    EXPECT_EQ((Values{s.bank, s.debt, s.carValue, s.gunValue}), after) << before.bank;
  }
}

// The market after a trip at 52000100 ms, worked out by hand from the generator; 0 stands
// for a good not on offer. The roll at that millisecond brings nothing (r = 44, t = 2).
struct TripCase {
  Place place;
  std::array<Money, kGoodCount> prices;
  TimeOfDay time;
  std::int32_t day;
};
const TripCase kTrips[] = {
    {Place::Downtown,
     {3948, 26050, 15178, 63, 935, 12416, 878, 0, 623, 0, 110, 0, 0},
     TimeOfDay::Day,
     1},
    {Place::SanDiego,
     {3543, 26050, 15178, 63, 935, 12416, 878, 0, 623, 419, 110, 0, 0},
     TimeOfDay::Day,
     1},
    {Place::LasVegas,
     {3948, 26050, 15178, 63, 935, 12416, 878, 0, 623, 0, 110, 0, 3943},
     TimeOfDay::Night,
     1},
    {Place::Tijuana,
     {3315, 26050, 15178, 63, 935, 12416, 878, 0, 623, 672, 110, 688, 2316},
     TimeOfDay::Morning,
     2},
};

TEST_F(TravelTest, ATripDrawsTheMarketAndThePlacesOwnPrices) {
  for (const TripCase& c : kTrips) {
    SCOPED_TRACE(PlaceAt(c.place).name);
    GameFixture f;
    f.clock.set(52000100);
    f.s.buyText = "7";
    f.game.Travel(c.place);
    for (int good = 0; good < kGoodCount; ++good) {
      const MarketRow& row = f.s.market[std::size_t(good)];
      EXPECT_EQ(row.offered, c.prices[std::size_t(good)] != 0) << GoodAt(good).name;
      EXPECT_EQ(row.price, c.prices[std::size_t(good)]) << GoodAt(good).name;
    }
    // Acid is selected, at the price that the place gave it.
    EXPECT_EQ(f.s.infoGood, Acid);
    EXPECT_EQ(f.s.infoPrice, c.prices[Acid]);
    EXPECT_EQ(f.s.buyText, "7");
    EXPECT_EQ(f.s.timeOfDay, c.time);
    EXPECT_EQ(f.s.day, c.day);
    // The upkeep runs once, however long the trip.
    EXPECT_EQ(f.s.debt, 2160);
    EXPECT_EQ(f.s.carValue, 6300);
    EXPECT_EQ(f.s.currentPlace, c.place);
    EXPECT_EQ(f.s.wasInTijuana, c.place == Place::Tijuana);
    EXPECT_EQ(f.s.statusText, "");
    EXPECT_TRUE(f.player.boxes.empty());
  }
}

TEST_F(TravelTest, TheCityNeedsACarThatIsWorthSomething) {
  struct Case {
    Place place;
    int carKind;
    Money carValue;
    bool refused;
  };
  const Case cases[] = {
      {Place::Downtown, 0, 7000, true},  {Place::SouthCentral, 1, 0, true},
      {Place::BeverlyHills, 0, 0, true}, {Place::Hollywood, 1, 1, false},
      {Place::SanDiego, 0, 0, false},    {Place::LasVegas, 0, 0, false},
      {Place::Tijuana, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(PlaceAt(c.place).name);
    GameFixture f;
    f.clock.set(52000100);
    f.s.carKind = c.carKind;
    f.s.carValue = c.carValue;
    f.s.currentPlace = Place::Pasadena;
    f.game.Travel(c.place);
    if (c.refused) {
      ASSERT_EQ(f.player.boxes.size(), 1u);
      EXPECT_EQ(f.player.boxes[0].text, "You need a new car!");
      EXPECT_EQ(f.player.boxes[0].kind, DialogKind::Information);
      EXPECT_EQ(f.player.boxes[0].buttons, DialogButtons::Ok);
      EXPECT_EQ(f.s.timeOfDay, TimeOfDay::Morning);
      EXPECT_EQ(f.s.debt, 2000);
      EXPECT_FALSE(f.s.market[Acid].offered);
      EXPECT_EQ(f.s.currentPlace, Place::Pasadena);
    } else {
      EXPECT_TRUE(f.player.boxes.empty());
      EXPECT_EQ(f.s.currentPlace, c.place);
    }
  }
}

TEST_F(TravelTest, TheFirstClickOnDay31EndsTheGameWithTheScoreAndTheCode) {
  s.day = 30;
  s.timeOfDay = TimeOfDay::Night;
  s.bank = 100;
  clock.set(52000100);
  game.Travel(Place::Downtown);
  EXPECT_EQ(s.day, 31);
  EXPECT_EQ(s.timeOfDay, TimeOfDay::Morning);
  EXPECT_EQ(player.endScreens, 0);
  EXPECT_EQ(s.bank, 104);
  EXPECT_EQ(s.carValue, 6300);

  // The day test comes before the car check; nothing of a trip happens.
  s.carKind = 0;
  s.statusText = "still here";
  s.cash = 956;
  clock.set(12345);
  game.Travel(Place::Hollywood);
  EXPECT_EQ(player.endScreens, 1);
  EXPECT_TRUE(game.finished());
  EXPECT_TRUE(player.boxes.empty());
  EXPECT_EQ(s.bank, 104);
  EXPECT_EQ(s.timeOfDay, TimeOfDay::Morning);
  EXPECT_EQ(s.statusText, "still here");
  EXPECT_EQ(s.currentPlace, Place::Downtown);
  EXPECT_TRUE(game.end().shown);
  // 956 cash + 104 bank + 6300 car - 2160 debt; the code worked out by hand at 12345 ms.
  EXPECT_EQ(game.end().edtScore, "5200");
  EXPECT_EQ(game.end().edtEncrypted,
            "3290563400993275488781074173240719825880673096298296557497650720672425756009606008"
            "8651698145973700549074755623815890827210070269201614160967943659900672451121892582"
            "675928174119326937017034425023492793393991134830185426299491");

  game.Travel(Place::SanDiego);
  EXPECT_EQ(player.endScreens, 1);
  EXPECT_EQ(s.bank, 104);
}

TEST_F(TravelTest, OneTripCanBringTheCopsAndThenTony) {
  s.day = 5;
  s.cash = 1999;
  player.onPursuit = [this](Game& g) {
    g.busted().btn2Click();
    g.busted().btnCloseClick();
    g.busted().FormCloseQuery();
    clock.set(30000011);  // Tony's check draws 3 at this millisecond
  };
  clock.set(30000008);  // the roll draws 19: the cops
  game.Travel(Place::Pasadena);
  EXPECT_EQ(player.pursuers, (std::vector{Pursuer::Cops, Pursuer::Tony}));
  EXPECT_EQ(s.currentPlace, Place::Pasadena);
  EXPECT_EQ(s.health, 50);  // shot running from the cops, then got away from Tony
  EXPECT_EQ(s.cash, 1999);
}

TEST_F(TravelTest, CloseGameInAPursuitStopsTheTripThere) {
  s.day = 5;
  s.cash = 1999;
  player.onPursuit = [this](Game& g) {
    g.busted().btn3Click();  // no gun: GAME OVER
    clock.set(30000011);
    g.busted().btnQuitClick();
  };
  clock.set(30000008);
  game.Travel(Place::Pasadena);
  EXPECT_EQ(player.pursuers, std::vector{Pursuer::Cops});
  EXPECT_EQ(player.terminations, 1);
  EXPECT_FALSE(s.currentPlace.has_value());
  game.Travel(Place::Downtown);
  EXPECT_EQ(s.day, 5);
  EXPECT_EQ(player.endScreens, 0);
}

TEST_F(TravelTest, AWholeGamePlayedToTheEndScreen) {
  // A well-armed player who always fights, says Yes to the family and tours every place.
  player.defaultAnswer = true;
  player.onPursuit = [](Game& g) {
    g.busted().btn3Click();
    EXPECT_TRUE(g.busted().closeVisible());
    g.busted().btnCloseClick();
    g.busted().FormCloseQuery();
  };
  game.NewGame();
  s.gunKind = 9;
  const Place tour[] = {Place::Downtown,     Place::SanDiego,    Place::LasVegas,
                        Place::Tijuana,      Place::Hollywood,   Place::Pasadena,
                        Place::BeverlyHills, Place::SouthCentral};
  std::uint32_t ms = 40000000;
  int clicks = 0;
  while (player.endScreens == 0 && clicks < 200) {
    ms = (ms * 1103515245u + 12345u) % 86400000u;
    clock.set(ms);
    game.Travel(tour[clicks++ % 8]);
    ASSERT_FALSE(player.terminations);
  }
  // Eleven periods per round of the tour: 66 trips reach day 31, the 67th click ends it.
  EXPECT_EQ(clicks, 67);
  EXPECT_EQ(s.day, 31);
  EXPECT_EQ(s.timeOfDay, TimeOfDay::Morning);
  EXPECT_EQ(s.carValue, 2);  // 7000 worn down 66 times
  EXPECT_GT(player.pursuits, 0);
  EXPECT_EQ(s.health, 100);
  EXPECT_EQ(game.end().edtScore, ToText(AssetSum(s)));
  EXPECT_EQ(game.end().edtEncrypted.size(), 224u);
  const Lines texts = player.texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Cheaters never prosper."), 0);
}

}  // namespace
}  // namespace quillmere
