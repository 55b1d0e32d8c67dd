// The pursuit: each pursuer's opening, running, fighting, paying Tony, the penalty for
// closing the window, and what one encounter leaves to the next.
#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using Lines = std::vector<std::string>;
constexpr Money kMax = std::numeric_limits<Money>::max();

// Milliseconds and their first draws after the reseed: RandomBelow(2), RandomBelow(9).
constexpr std::uint32_t kCaught0 = 30000027;  // 0, 0
constexpr std::uint32_t kEscape8 = 30000026;  // 1, 8
constexpr std::uint32_t kCaught1 = 30000000;  // 0, 1
constexpr std::uint32_t kCaught4 = 30000009;  // 0, 4

// The pursuit on a table of its own: a game's state, generator and clock, no screens.
struct Clocked {
  FixedClock clock{0};
};
struct Table final : Clocked, GameContext {
  Table() : GameContext(clock) {}
};

struct PursuitTest : ::testing::Test {
  Table table;
  FixedClock& clock = table.clock;
  GameState& s = table.state();
  Pursuit p{table};
  void open(Pursuer who, std::uint32_t ms = 0) {
    clock.set(ms);
    s.pursuerKind = who;
    p.Begin();
  }
  // The log after its opening line.
  Lines told() const { return Lines(p.log().begin() + 1, p.log().end()); }
  // After any answer the choices are gone and exactly one way out is shown.
  void expectOver(bool dead) {
    EXPECT_FALSE(p.payEnabled() || p.runEnabled() || p.fightEnabled());
    EXPECT_EQ(p.closeVisible(), !dead);
    EXPECT_EQ(p.quitVisible(), dead);
  }
};

TEST_F(PursuitTest, EachPursuerOpensWithItsPictureItsLineAndPayRunAndFightOnly) {
  using enum Pursuer;
  const char* const tony = "Tony the Loan Shark is after you.";
  // The pursuer, cash, bank and debt, the picture, the opening line, Pay shown and enabled.
  const std::tuple<Pursuer, Money, Money, Money, PursuitPicture, const char*, bool, bool> cases[] =
      {
          {Cops, 0, 0, 0, PursuitPicture::Cop, "The Cops are after you.", false, false},
          {BorderPatrol, 0, 0, 0, PursuitPicture::Cop, "The Border Patrol is after you!", false,
           false},
          {Tony, 500, 1500, 2000, PursuitPicture::Tony, tony, true, true},
          {Tony, 500, 1499, 2000, PursuitPicture::Tony, tony, true, false},
          {Tony, kMax, kMax, kMax, PursuitPicture::Tony, tony, true, true},
      };
  for (const auto& [who, cash, bank, debt, picture, line, payVisible, payEnabled] : cases) {
    std::tie(s.cash, s.bank, s.debt) = std::tuple(cash, bank, debt);
    open(who);
    EXPECT_EQ(p.picture(), picture);
    EXPECT_EQ(p.log(), Lines{line});
    EXPECT_EQ(p.payVisible(), payVisible);
    EXPECT_EQ(p.payVisible() && p.payEnabled(), payEnabled) << bank;
    EXPECT_TRUE(p.runEnabled() && p.fightEnabled());
    EXPECT_FALSE(p.closeVisible() || p.quitVisible());
  }
  p.Pay();  // Pay is still enabled for the last case; none of it may wrap
  EXPECT_EQ(std::tuple(s.cash, s.bank, s.debt), std::tuple(kMax, 0, 0));
  // What the cash cannot hold of the change stays in the bank.
  std::tie(s.cash, s.bank, s.debt) = std::tuple(kMax, kMax, 100);
  open(Tony);
  p.Pay();
  EXPECT_EQ(std::tuple(s.cash, s.bank, s.debt), std::tuple(kMax, kMax - 100, 0));
  EXPECT_EQ(told(), Lines{"Tony thanks you for your prompt payment. Have a nice day."});
  expectOver(false);

  s.cash = 500, s.bank = 1499, s.debt = 2000;
  open(Tony);
  p.Pay();  // disabled: nothing
  EXPECT_EQ(s.cash, 500);
  EXPECT_TRUE(told().empty());
}

TEST_F(PursuitTest, RunningEscapesWoundsOrKills) {
  using enum Pursuer;
  const std::string run = "You attempt to run.", shot = "You got shot in the ass.";
  const std::string away = "This is your lucky day junior. You got away.";
  const std::string escaped = "You successfully escape from Tony. But he'll be back!.";
  const std::string tonyShot =
      "As you run like a little bitch, a loud bang followed by a pain in your shoulder lets you "
      "know that Tony means business.";
  const std::string bled = "Your blood slowly leaves you and you are left to die.";
  // The pursuer, health, the millisecond, the lines told and the health after.
  const std::tuple<Pursuer, int, std::uint32_t, Lines, int> cases[] = {
      {Cops, 100, kEscape8, {run, away}, 100},
      {BorderPatrol, 50, kEscape8, {run, away}, 50},
      {Cops, 100, kCaught0, {run, shot}, 50},
      {BorderPatrol, 50, kCaught0, {run, shot, "GAME OVER."}, 50},
      {Tony, 50, kEscape8, {run, escaped}, 50},
      {Tony, 100, kCaught0, {run, tonyShot}, 50},
      {Tony, 50, kCaught0, {run, tonyShot, bled, "GAME OVER."}, 50},
  };
  for (const auto& [who, health, ms, lines, healthAfter] : cases) {
    SCOPED_TRACE(lines.back());
    s.health = health;
    s.debt = 2000;
    open(who, ms);
    p.Run();
    p.Fight();  // too late: the choice is made
    EXPECT_EQ(told(), lines);
    EXPECT_EQ(std::pair(s.health, s.debt), std::pair(healthAfter, 2000));
    expectOver(lines.back() == "GAME OVER.");
  }
}

TEST_F(PursuitTest, AFightIsWonOnDrawsBelowTheGunsNumberAndLostWithoutAGun) {
  using enum Pursuer;
  const std::string fight = "You chose to fight.";
  const Lines copWin{fight, "Wow! Nice shot!", "Looks like is bacon for breakfast."};
  const Lines copLose{fight, "The cops outnumbered you.", "You got shot in the head.",
                      "GAME OVER."};
  const Lines noGun{fight, "You have no gun.", "You got shot in the head.", "GAME OVER."};
  const Lines tonyWin{fight,
                      "Your hand is quicker than Tony's, as you pull out your gun and stop him "
                      "dead in his tracks."};
  const Lines tonyLose{fight,
                       "As you move for your gun, all you see is the glistening sunlight off "
                       "Tony's chrome .45 followed by a loud bang.",
                       "GAME OVER."};
  // The pursuer, the gun, the millisecond, the lines told and the debt after.
  const std::tuple<Pursuer, int, std::uint32_t, const Lines&, Money> cases[] = {
      {Cops, 1, kCaught0, copWin, 2000}, {BorderPatrol, 1, kCaught1, copLose, 2000},
      {Cops, 5, kCaught4, copWin, 2000}, {Cops, 4, kCaught4, copLose, 2000},
      {Tony, 9, kEscape8, tonyWin, 0},   {Tony, 8, kEscape8, tonyLose, 2000},
      {Cops, 0, kCaught0, noGun, 2000},  {Tony, 0, kCaught0, noGun, 2000},
  };
  for (const auto& [who, gunKind, ms, lines, debtAfter] : cases) {
    SCOPED_TRACE(gunKind);
    s.gunKind = gunKind;
    s.cash = 700, s.bank = 300, s.debt = 2000, s.health = 50;
    open(who, ms);
    p.Fight();
    EXPECT_EQ(told(), lines);
    EXPECT_EQ(s.debt, debtAfter);
    EXPECT_EQ(s.cash + s.bank + s.health, 1050);
    expectOver(lines.back() == "GAME OVER.");
    EXPECT_TRUE(gunKind != 0 || table.random().seed() == ms);  // no gun: nothing drawn
  }
}

// Pursuits that trips bring: the cops (the roll draws 19, the cash is not the starting
// cash) and the border patrol on the way back from Tijuana (the border draws 3).
struct Chase : testing::GameFixture {
  void open(Pursuer who) {
    s.wasInTijuana = who == Pursuer::BorderPatrol;
    clock.set(who == Pursuer::BorderPatrol ? 20000011 : 45000005);
    act(Travel{Place::Downtown});
    ASSERT_EQ(game.front(), Front::Pursuit);
    ASSERT_EQ(s.pursuerKind, who);
  }
  const Pursuit& p = game.pursuit();
};

TEST(Pursuit, OnlyCloseLeavesWithoutPenaltyAndAWoundCarriesOver) {
  Chase f;
  const Pursuit& p = f.p;
  const Lines cheat{"Cheaters never prosper."};
  // Wounded while running, then left honestly.
  f.s.cash = 900;
  f.open(Pursuer::Cops);
  f.clock.set(kCaught0);
  f.act(quillmere::Run{});
  f.act(ClosePursuit{});
  EXPECT_EQ(f.game.front(), Front::Main);
  EXPECT_FALSE(f.game.Accepts(ClosePursuitWindow{}));
  EXPECT_TRUE(f.player.boxes.empty());

  // The wound kills on the next failed run; closing the window then only costs the cash.
  f.open(Pursuer::BorderPatrol);
  EXPECT_EQ(p.log(), Lines{"The Border Patrol is after you!"});
  f.clock.set(kCaught0);
  f.act(quillmere::Run{});
  EXPECT_EQ(p.log().back(), "GAME OVER.");
  f.act(ClosePursuitWindow{});
  EXPECT_EQ(f.player.texts(), cheat);
  EXPECT_EQ(f.player.boxes[0].kind, DialogKind::Information);
  EXPECT_EQ(std::pair(f.s.cash, f.s.health), std::pair(0, 50));
  EXPECT_FALSE(f.game.finished());
  EXPECT_EQ(f.game.front(), Front::Main);

  // Close Game is still showing; the next encounter must not offer it.
  f.s.cash = 900, f.s.health = 100;
  f.open(Pursuer::Cops);
  EXPECT_FALSE(p.quitVisible() || p.closeVisible());
  EXPECT_FALSE(f.game.Accepts(ClosePursuit{}) && p.closeVisible());
  f.act(ClosePursuitWindow{});  // closed before choosing
  EXPECT_EQ(f.player.texts().size(), 2u);
  EXPECT_EQ(std::pair(f.s.cash, f.s.health), std::pair(0, 50));

  // Close Game ends the program without the close-request check.
  f.s.cash = 900;
  f.open(Pursuer::Cops);
  f.act(Fight{});
  f.act(Quit{});
  f.act(ClosePursuitWindow{});
  EXPECT_EQ(f.player.terminations, 1);
  EXPECT_EQ(std::pair(f.player.texts().size(), f.s.cash), std::pair(2ul, 900));
}

}  // namespace
}  // namespace quillmere
