// Trips: the day cycle, the per-trip upkeep, the car check, the places' own prices, the
// pursuits a trip can bring and the end of the game.
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <tuple>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using testing::GameFixture;
constexpr Money kMax = std::numeric_limits<Money>::max();

struct TravelTest : ::testing::Test, GameFixture {};

TEST_F(TravelTest, NewDayStepsThroughTheDayAndRunsTheUpkeepAndTheMarketOnce) {
  using enum TimeOfDay;
  // A trip of each length: a city, Las Vegas and Tijuana.
  const Place kTakes[] = {Place::Downtown, Place::LasVegas, Place::Tijuana};
  // Periods, the time before, the time after and the day after, starting on day 30.
  const std::tuple<int, TimeOfDay, TimeOfDay, std::int32_t> cases[] = {
      {1, Morning, Day, 30},     {1, Day, Night, 30},   {1, Night, Morning, 31},
      {2, Morning, Night, 30},   {2, Day, Morning, 31}, {2, Night, Day, 31},
      {3, Morning, Morning, 31}, {3, Day, Day, 31},     {3, Night, Night, 31},
  };
  for (const auto& [periods, from, to, day] : cases) {
    GameFixture f;
    f.s.day = 30;
    f.s.timeOfDay = from;
    f.s.bank = 100;
    f.clock.set(52000100);  // nothing happens on the way
    f.act(Travel{kTakes[periods - 1]});
    EXPECT_EQ(std::tuple(f.s.timeOfDay, f.s.day), std::tuple(to, day))
        << periods << " " << TimeOfDayText(from);
    EXPECT_EQ(f.s.bank, 104);
    EXPECT_TRUE(f.s.market[Acid].offered);
  }
}

TEST_F(TravelTest, UpkeepGrowsMoneyWearsValuesAndNeverWraps) {
  using Values = std::array<Money, 4>;  // bank, debt, car, gun
  const std::pair<Values, Values> cases[] = {
      {{100, 2000, 7000, 0}, {104, 2160, 6300, 0}},
      {{0, 0, 6300, 1000}, {0, 0, 5670, 900}},
      {{60, 1, 1, 1}, {62, 1, 0, 0}},
      {{-100, -2000, -100, -50}, {-104, -2160, 0, 0}},
      {{kMax, kMax, kMax, kMax}, {kMax, kMax, 1932735282, 1932735282}},
      {{2100000000, 2000000000, 0, 0}, {kMax, kMax, 0, 0}},
  };
  clock.set(52000100);  // nothing happens on the way
  for (const auto& [before, after] : cases) {
    std::tie(s.bank, s.debt, s.carValue, s.gunValue) = std::tuple_cat(before);
    // San Diego needs no car, so one worth nothing still goes.
    act(Travel{Place::SanDiego});
    EXPECT_EQ((Values{s.bank, s.debt, s.carValue, s.gunValue}), after) << before[0];
  }
}

// The market after a trip from the start at 52000100 ms, worked out by hand from the
// generator; 0 stands for a good not on offer. The roll there brings nothing (r = 44, t = 2).
using Prices = std::array<Money, kGoodCount>;
constexpr Prices kCity = {3948, 26050, 15178, 63, 935, 12416, 878, 0, 623, 0, 110, 0, 0};
constexpr Prices kSanDiego = {3543, 26050, 15178, 63, 935, 12416, 878, 0, 623, 419, 110, 0, 0};
constexpr Prices kLasVegas = {3948, 26050, 15178, 63, 935, 12416, 878, 0, 623, 0, 110, 0, 3943};
constexpr Prices kTijuana = {3315, 26050, 15178, 63, 935, 12416, 878, 0, 623, 672, 110, 688, 2316};
const std::tuple<Place, Prices, TimeOfDay, std::int32_t> kTrips[] = {
    {Place::Downtown, kCity, TimeOfDay::Day, 1},
    {Place::Hollywood, kCity, TimeOfDay::Day, 1},
    {Place::Pasadena, kCity, TimeOfDay::Day, 1},
    {Place::BeverlyHills, kCity, TimeOfDay::Day, 1},
    {Place::SouthCentral, kCity, TimeOfDay::Day, 1},
    {Place::SanDiego, kSanDiego, TimeOfDay::Day, 1},
    {Place::LasVegas, kLasVegas, TimeOfDay::Night, 1},
    {Place::Tijuana, kTijuana, TimeOfDay::Morning, 2},
};

TEST_F(TravelTest, ATripDrawsTheMarketAndThePlacesOwnPrices) {
  for (const auto& [place, prices, time, day] : kTrips) {
    SCOPED_TRACE(PlaceAt(place).name);
    GameFixture f;
    f.clock.set(52000100);
    f.v.buyText = "7";
    f.act(Travel{place});
    Prices seen{};
    for (std::size_t good = 0; good < kGoodCount; ++good)
      if (f.s.market[good].offered) seen[good] = f.s.market[good].price;
    EXPECT_EQ(seen, prices);
    // Acid is selected, at the price that the place gave it; the buy box keeps its text.
    EXPECT_EQ(std::tuple(f.v.infoGood, f.v.infoPrice, f.v.buyText),
              std::tuple(Acid, prices[Acid], "7"));
    EXPECT_EQ(std::tuple(f.s.timeOfDay, f.s.day), std::tuple(time, day));
    // The upkeep runs once, however long the trip.
    EXPECT_EQ(std::tuple(f.s.debt, f.s.carValue), std::tuple(2160, 6300));
    EXPECT_EQ(f.s.currentPlace, place);
    EXPECT_EQ(f.s.wasInTijuana, place == Place::Tijuana);
    EXPECT_EQ(f.v.statusText, "");
    EXPECT_TRUE(f.player.boxes.empty());
  }
}

TEST_F(TravelTest, TheCityNeedsACarThatIsWorthSomething) {
  // The place, carKind, carValue, and whether the trip is refused.
  const std::tuple<Place, int, Money, bool> cases[] = {
      {Place::Downtown, 0, 7000, true}, {Place::SouthCentral, 1, 0, true},
      {Place::Hollywood, 1, 1, false},  {Place::SanDiego, 0, 0, false},
      {Place::LasVegas, 0, 0, false},   {Place::Tijuana, 0, 0, false},
  };
  for (const auto& [place, carKind, carValue, refused] : cases) {
    SCOPED_TRACE(PlaceAt(place).name);
    GameFixture f;
    f.clock.set(52000100);
    std::tie(f.s.carKind, f.s.carValue) = std::tuple(carKind, carValue);
    f.s.currentPlace = Place::Pasadena;
    f.act(Travel{place});
    EXPECT_EQ(f.s.currentPlace, refused ? Place::Pasadena : place);
    if (!refused) {
      EXPECT_TRUE(f.player.boxes.empty());
      continue;
    }
    ASSERT_EQ(f.player.texts(), std::vector<std::string>{"You need a new car!"});
    EXPECT_EQ(f.player.boxes[0].kind, DialogKind::Information);
    EXPECT_EQ(std::tuple(f.s.timeOfDay, f.s.debt), std::tuple(TimeOfDay::Morning, 2000));
    EXPECT_FALSE(f.s.market[Acid].offered);
  }
}

TEST_F(TravelTest, TheFirstClickOnDay31EndsTheGameWithTheScoreAndTheCode) {
  s.day = 30;
  s.timeOfDay = TimeOfDay::Night;
  s.bank = 100;
  clock.set(52000100);
  act(Travel{Place::Downtown});
  EXPECT_EQ(std::tuple(s.day, s.timeOfDay, s.bank), std::tuple(31, TimeOfDay::Morning, 104));
  EXPECT_EQ(player.endScreens, 0);

  // The day test comes before the car check; nothing of a trip happens.
  s.carKind = 0;
  v.statusText = "still here";
  s.cash = 956;
  clock.set(12345);
  act(Travel{Place::Hollywood});
  EXPECT_EQ(player.endScreens, 1);
  EXPECT_TRUE(game.finished());
  EXPECT_TRUE(player.boxes.empty());
  EXPECT_EQ(std::tuple(s.bank, s.timeOfDay, v.statusText, s.currentPlace),
            std::tuple(104, TimeOfDay::Morning, "still here", Place::Downtown));
  EXPECT_TRUE(game.result().shown);
  // 956 cash + 104 bank + 6300 car - 2160 debt; the code worked out by hand at 12345 ms.
  EXPECT_EQ(game.result().score, "5200");
  EXPECT_EQ(game.result().bidCode,
            "3290563400993275488781074173240719825880673096298296557497650720672425756009606008"
            "8651698145973700549074755623815890827210070269201614160967943659900672451121892582"
            "675928174119326937017034425023492793393991134830185426299491");

  EXPECT_FALSE(game.Accepts(Travel{Place::SanDiego}));
  act(Travel{Place::SanDiego});
  EXPECT_EQ(player.endScreens, 1);
}

TEST_F(TravelTest, OneTripCanBringTheCopsAndThenTonyAndCloseGameStopsIt) {
  for (const bool quit : {false, true}) {
    GameFixture f;
    f.s.day = 5;
    f.s.cash = 1999;
    f.player.onPursuit = [&f, quit](testing::ScriptedPlayer& p) {
      p.act(quit ? Action{Fight{}} : Action{quillmere::Run{}});  // no gun: fighting is fatal
      f.clock.set(30000011);  // Tony's check draws 3 at this millisecond
      p.act(quit ? Action{Quit{}} : Action{ClosePursuit{}});
    };
    f.clock.set(30000008);  // the roll draws 19: the cops
    f.act(Travel{Place::Pasadena});
    if (quit) {
      EXPECT_EQ(f.player.pursuers, std::vector{Pursuer::Cops});
      EXPECT_EQ(f.player.terminations, 1);
      EXPECT_FALSE(f.s.currentPlace.has_value());
      // Nothing is taken once the program is ending, not even a close of the window.
      EXPECT_FALSE(f.game.Accepts(ClosePursuitWindow{}));
      f.act(ClosePursuitWindow{});
      f.act(Travel{Place::Downtown});
      EXPECT_EQ(std::tuple(f.s.day, f.player.endScreens), std::tuple(5, 0));
      EXPECT_TRUE(f.player.boxes.empty());
    } else {
      EXPECT_EQ(f.player.pursuers, (std::vector{Pursuer::Cops, Pursuer::Tony}));
      EXPECT_EQ(f.s.currentPlace, Place::Pasadena);
      // Shot running from the cops, then got away from Tony.
      EXPECT_EQ(std::tuple(f.s.health, f.s.cash), std::tuple(50, 1999));
    }
  }
}

}  // namespace
}  // namespace quillmere
