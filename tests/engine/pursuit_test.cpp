// The pursuit: each pursuer's opening, running, fighting, paying Tony, the penalty for
// closing the window, and what one encounter leaves to the next.
#include <gtest/gtest.h>

#include <limits>

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

struct PursuitTest : ::testing::Test, testing::GameFixture {
  Pursuit& p = game.busted();
  void open(Pursuer who, std::uint32_t ms = 0) {
    clock.set(ms);
    s.pursuerKind = who;
    p.FormShow();
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
  struct Case {
    Pursuer who;
    Money cash, bank, debt;
    PursuitPicture picture;
    const char* line;
    bool payVisible, payEnabled;
  };
  const Case cases[] = {
      {Pursuer::Cops, 0, 0, 0, PursuitPicture::Cop, "The Cops are after you.", false, true},
      {Pursuer::BorderPatrol, 0, 0, 0, PursuitPicture::Cop, "The Border Patrol is after you!",
       false, true},
      {Pursuer::Tony, 500, 1500, 2000, PursuitPicture::Tony, "Tony the Loan Shark is after you.",
       true, true},
      {Pursuer::Tony, 500, 1499, 2000, PursuitPicture::Tony, "Tony the Loan Shark is after you.",
       true, false},
      {Pursuer::Tony, kMax, kMax, kMax, PursuitPicture::Tony, "Tony the Loan Shark is after you.",
       true, true},
  };
  for (const Case& c : cases) {
    s.cash = c.cash, s.bank = c.bank, s.debt = c.debt;
    open(c.who);
    EXPECT_EQ(p.picture(), c.picture);
    EXPECT_EQ(p.log(), Lines{c.line});
    EXPECT_EQ(p.payVisible(), c.payVisible);
    if (c.payVisible) {
      EXPECT_EQ(p.payEnabled(), c.payEnabled) << c.bank;
    }
    EXPECT_TRUE(p.runEnabled() && p.fightEnabled());
    EXPECT_FALSE(p.closeVisible() || p.quitVisible() || p.closeAllowed());
  }
  p.btn1Click();  // Pay is still enabled for the last case; none of it may wrap
  EXPECT_EQ(s.cash, kMax);
  EXPECT_EQ(s.bank, 0);
  EXPECT_EQ(s.debt, 0);
  EXPECT_EQ(told(), Lines{"Tony thanks you for your prompt payment. Have a nice day."});
  expectOver(false);

  s.cash = 500, s.bank = 1499, s.debt = 2000;
  open(Pursuer::Tony);
  p.btn1Click();  // disabled: nothing
  EXPECT_EQ(s.cash, 500);
  EXPECT_TRUE(told().empty());
}

TEST_F(PursuitTest, RunningEscapesWoundsOrKills) {
  const std::string run = "You attempt to run.", shot = "You got shot in the ass.";
  const std::string away = "This is your lucky day junior. You got away.";
  const std::string tonyShot =
      "As you run like a little bitch, a loud bang followed by a pain in your shoulder lets you "
      "know that Tony means business.";
  struct Case {
    Pursuer who;
    int health;
    std::uint32_t ms;
    Lines lines;
    int healthAfter;
  };
  const Case cases[] = {
      {Pursuer::Cops, 100, kEscape8, {run, away}, 100},
      {Pursuer::BorderPatrol, 50, kEscape8, {run, away}, 50},
      {Pursuer::Cops, 100, kCaught0, {run, shot}, 50},
      {Pursuer::BorderPatrol, 50, kCaught0, {run, shot, "GAME OVER."}, 50},
      {Pursuer::Tony,
       50,
       kEscape8,
       {run, "You successfully escape from Tony. But he'll be back!."},
       50},
      {Pursuer::Tony, 100, kCaught0, {run, tonyShot}, 50},
      {Pursuer::Tony,
       50,
       kCaught0,
       {run, tonyShot, "Your blood slowly leaves you and you are left to die.", "GAME OVER."},
       50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines.back());
    s.health = c.health;
    s.debt = 2000;
    open(c.who, c.ms);
    p.btn2Click();
    p.btn3Click();  // too late: the choice is made
    EXPECT_EQ(told(), c.lines);
    EXPECT_EQ(s.health, c.healthAfter);
    EXPECT_EQ(s.debt, 2000);
    expectOver(c.lines.back() == "GAME OVER.");
  }
}

TEST_F(PursuitTest, AFightIsWonOnDrawsBelowTheGunsNumberAndLostWithoutAGun) {
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
  struct Case {
    Pursuer who;
    int gunKind;
    std::uint32_t ms;
    const Lines& lines;
    Money debtAfter;
  };
  const Case cases[] = {
      {Pursuer::Cops, 1, kCaught0, copWin, 2000},
      {Pursuer::BorderPatrol, 1, kCaught1, copLose, 2000},
      {Pursuer::Cops, 5, kCaught4, copWin, 2000},
      {Pursuer::Cops, 4, kCaught4, copLose, 2000},
      {Pursuer::Tony, 9, kEscape8, tonyWin, 0},
      {Pursuer::Tony, 8, kEscape8, tonyLose, 2000},
      {Pursuer::Cops, 0, kCaught0, noGun, 2000},
      {Pursuer::Tony, 0, kCaught0, noGun, 2000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.gunKind);
    s.gunKind = c.gunKind;
    s.cash = 700, s.bank = 300, s.debt = 2000, s.health = 50;
    open(c.who, c.ms);
    p.btn3Click();
    EXPECT_EQ(told(), c.lines);
    EXPECT_EQ(s.debt, c.debtAfter);
    EXPECT_EQ(s.cash + s.bank + s.health, 1050);
    expectOver(c.lines.back() == "GAME OVER.");
    if (c.gunKind == 0) {  // nothing drawn
      EXPECT_EQ(game.random().seed(), c.ms);
    }
  }
}

TEST_F(PursuitTest, OnlyCloseLeavesWithoutPenaltyAndAWoundCarriesOver) {
  const Lines cheat{"Cheaters never prosper."};
  // Wounded while running, then left honestly.
  s.cash = 900;
  open(Pursuer::Cops, kCaught0);
  p.btn2Click();
  EXPECT_TRUE(p.btnCloseClick());
  EXPECT_FALSE(p.closeVisible());
  p.FormCloseQuery();
  EXPECT_TRUE(player.boxes.empty());
  EXPECT_EQ(s.cash, 900);

  // The wound kills on the next failed run; closing the window then only costs the cash.
  open(Pursuer::BorderPatrol, kCaught0);
  EXPECT_EQ(p.log(), Lines{"The Border Patrol is after you!"});
  p.btn2Click();
  EXPECT_EQ(p.log().back(), "GAME OVER.");
  p.FormCloseQuery();
  EXPECT_EQ(player.texts(), cheat);
  EXPECT_EQ(player.boxes[0].kind, DialogKind::Information);
  EXPECT_EQ(s.cash, 0);
  EXPECT_EQ(s.health, 50);
  EXPECT_FALSE(game.finished());

  // Close Game is still showing; the next encounter must not offer it.
  s.cash = 900, s.health = 100;
  open(Pursuer::Cops);
  EXPECT_FALSE(p.quitVisible() || p.closeVisible() || p.closeAllowed());
  p.FormCloseQuery();  // closed before choosing
  EXPECT_EQ(player.texts().size(), 2u);
  EXPECT_EQ(s.cash, 0);
  EXPECT_EQ(s.health, 50);

  // Close Game ends the program without the close-request check.
  s.cash = 900;
  open(Pursuer::Cops);
  p.btn3Click();
  p.btnQuitClick();
  p.FormCloseQuery();
  EXPECT_EQ(player.terminations, 1);
  EXPECT_TRUE(game.finished());
  EXPECT_EQ(player.texts().size(), 2u);
  EXPECT_EQ(s.cash, 900);
}

}  // namespace
}  // namespace quillmere
