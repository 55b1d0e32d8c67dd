// The pursuit: what each pursuer opens with, running, fighting, paying Tony, the penalty
// for closing the window, and what one encounter leaves to the next.
#include <gtest/gtest.h>

#include <limits>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using testing::GameFixture;
using Lines = std::vector<std::string>;

// Milliseconds and their first draws after the reseed: RandomBelow(2), RandomBelow(9).
constexpr std::uint32_t kCaughtDraw0 = 30000027;  // 0, 0
constexpr std::uint32_t kEscapeDraw8 = 30000026;  // 1, 8
constexpr std::uint32_t kCaughtDraw1 = 30000000;  // 0, 1
constexpr std::uint32_t kCaughtDraw4 = 30000009;  // 0, 4

const char* const kTonyShot =
    "As you run like a little bitch, a loud bang followed by a pain in your shoulder lets you "
    "know that Tony means business.";

struct PursuitTest : ::testing::Test, GameFixture {
  Pursuit& p = game.busted();
  void open(Pursuer who) {
    s.pursuerKind = who;
    p.FormShow();
  }
  // The log after its opening line.
  Lines told() const { return Lines(p.log().begin() + 1, p.log().end()); }
  void expectChoicesGone() {
    EXPECT_FALSE(p.payEnabled());
    EXPECT_FALSE(p.runEnabled());
    EXPECT_FALSE(p.fightEnabled());
  }
};

TEST_F(PursuitTest, EachPursuerOpensWithItsPictureLineAndOnlyPayRunAndFight) {
  struct Case {
    Pursuer who;
    PursuitPicture picture;
    const char* line;
    bool pay;
  };
  const Case cases[] = {
      {Pursuer::Cops, PursuitPicture::Cop, "The Cops are after you.", false},
      {Pursuer::BorderPatrol, PursuitPicture::Cop, "The Border Patrol is after you!", false},
      {Pursuer::Tony, PursuitPicture::Tony, "Tony the Loan Shark is after you.", true},
  };
  for (const Case& c : cases) {
    open(c.who);
    EXPECT_EQ(p.picture(), c.picture);
    EXPECT_EQ(p.log(), Lines{c.line});
    EXPECT_EQ(p.payVisible(), c.pay);
    EXPECT_TRUE(p.runEnabled());
    EXPECT_TRUE(p.fightEnabled());
    EXPECT_FALSE(p.closeVisible());
    EXPECT_FALSE(p.quitVisible());
    EXPECT_FALSE(p.closeAllowed());
  }
}

TEST_F(PursuitTest, TonysPayButtonIsEnabledOnlyWhenCashAndBankCoverTheDebt) {
  constexpr Money kMax = std::numeric_limits<Money>::max();
  struct Case {
    Money cash, bank, debt;
    bool enabled;
  };
  const Case cases[] = {{500, 1500, 2000, true},
                        {500, 1499, 2000, false},
                        {kMax, kMax, kMax, true},
                        {-100, 0, 0, false}};
  for (const Case& c : cases) {
    s.cash = c.cash;
    s.bank = c.bank;
    s.debt = c.debt;
    open(Pursuer::Tony);
    EXPECT_EQ(p.payEnabled(), c.enabled) << c.cash << " " << c.bank << " " << c.debt;
  }
  // A disabled Pay does nothing.
  p.btn1Click();
  EXPECT_EQ(s.cash, -100);
  EXPECT_EQ(p.log().size(), 1u);
}

TEST_F(PursuitTest, PayingTonyClearsDebtAndBankWithoutEverWrapping) {
  constexpr Money kMax = std::numeric_limits<Money>::max();
  struct Case {
    Money cash, bank, debt, cashAfter;
  };
  const Case cases[] = {{500, 1500, 2000, 0}, {kMax, 100, 200, kMax - 100}, {kMax, kMax, 10, kMax}};
  for (const Case& c : cases) {
    s.cash = c.cash;
    s.bank = c.bank;
    s.debt = c.debt;
    open(Pursuer::Tony);
    p.btn1Click();
    EXPECT_EQ(s.cash, c.cashAfter);
    EXPECT_EQ(s.bank, 0);
    EXPECT_EQ(s.debt, 0);
    EXPECT_EQ(told(), Lines{"Tony thanks you for your prompt payment. Have a nice day."});
    expectChoicesGone();
    EXPECT_TRUE(p.closeVisible());
  }
}

TEST_F(PursuitTest, RunningEscapesWoundsOrKills) {
  struct Case {
    Pursuer who;
    int health;
    std::uint32_t ms;
    Lines lines;
    int healthAfter;
    bool dead;
  };
  const std::string run = "You attempt to run.";
  const std::string away = "This is your lucky day junior. You got away.";
  const std::string shot = "You got shot in the ass.";
  const Case cases[] = {
      {Pursuer::Cops, 100, kEscapeDraw8, {run, away}, 100, false},
      {Pursuer::BorderPatrol, 50, kEscapeDraw8, {run, away}, 50, false},
      {Pursuer::Cops, 100, kCaughtDraw0, {run, shot}, 50, false},
      {Pursuer::BorderPatrol, 50, kCaughtDraw0, {run, shot, "GAME OVER."}, 50, true},
      {Pursuer::Tony,
       50,
       kEscapeDraw8,
       {run, "You successfully escape from Tony. But he'll be back!."},
       50,
       false},
      {Pursuer::Tony, 100, kCaughtDraw0, {run, kTonyShot}, 50, false},
      {Pursuer::Tony,
       50,
       kCaughtDraw0,
       {run, kTonyShot, "Your blood slowly leaves you and you are left to die.", "GAME OVER."},
       50,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines.back());
    s.health = c.health;
    s.debt = 2000;
    clock.set(c.ms);
    open(c.who);
    p.btn2Click();
    EXPECT_EQ(told(), c.lines);
    EXPECT_EQ(s.health, c.healthAfter);
    EXPECT_EQ(s.debt, 2000);
    expectChoicesGone();
    EXPECT_EQ(p.closeVisible(), !c.dead);
    EXPECT_EQ(p.quitVisible(), c.dead);
    // Nothing more happens once the choice is made.
    p.btn2Click();
    p.btn3Click();
    EXPECT_EQ(told(), c.lines);
  }
}

TEST_F(PursuitTest, FightingWinsOnDrawsBelowTheGunsNumber) {
  const std::string fight = "You chose to fight.";
  const Lines copWin{fight, "Wow! Nice shot!", "Looks like is bacon for breakfast."};
  const Lines copLose{fight, "The cops outnumbered you.", "You got shot in the head.",
                      "GAME OVER."};
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
    Lines lines;
    Money debtAfter;
  };
  const Case cases[] = {
      {Pursuer::Cops, 1, kCaughtDraw0, copWin, 2000},
      {Pursuer::BorderPatrol, 1, kCaughtDraw1, copLose, 2000},
      {Pursuer::Cops, 5, kCaughtDraw4, copWin, 2000},
      {Pursuer::Cops, 4, kCaughtDraw4, copLose, 2000},
      {Pursuer::Tony, 9, kEscapeDraw8, tonyWin, 0},
      {Pursuer::Tony, 8, kEscapeDraw8, tonyLose, 2000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.gunKind);
    s.gunKind = c.gunKind;
    s.cash = 700;
    s.bank = 300;
    s.debt = 2000;
    s.health = 50;
    clock.set(c.ms);
    open(c.who);
    p.btn3Click();
    EXPECT_EQ(told(), c.lines);
    EXPECT_EQ(s.debt, c.debtAfter);
    EXPECT_EQ(s.cash, 700);
    EXPECT_EQ(s.bank, 300);
    EXPECT_EQ(s.health, 50);
    expectChoicesGone();
    const bool dead = c.lines.back() == "GAME OVER.";
    EXPECT_EQ(p.closeVisible(), !dead);
    EXPECT_EQ(p.quitVisible(), dead);
  }
}

TEST_F(PursuitTest, FightingWithoutAGunDrawsNothingAndAlwaysDies) {
  for (Pursuer who : {Pursuer::Cops, Pursuer::Tony}) {
    s.debt = 0;  // Tony's Pay is enabled, and must go
    clock.set(kEscapeDraw8);
    open(who);
    p.btn3Click();
    EXPECT_EQ(told(), (Lines{"You chose to fight.", "You have no gun.", "You got shot in the head.",
                             "GAME OVER."}));
    EXPECT_EQ(game.random().seed(), kEscapeDraw8);
    expectChoicesGone();
    EXPECT_TRUE(p.quitVisible());
    EXPECT_FALSE(p.closeVisible());
  }
}

TEST_F(PursuitTest, ClosingTheWindowWithoutCloseCostsAllCashAndHalfTheHealth) {
  const std::string cheat = "Cheaters never prosper.";
  // Still choosing.
  open(Pursuer::Cops);
  p.FormCloseQuery();
  EXPECT_EQ(player.texts(), Lines{cheat});
  EXPECT_EQ(player.boxes[0].kind, DialogKind::Information);
  EXPECT_EQ(s.cash, 0);
  EXPECT_EQ(s.health, 50);

  // After GAME OVER the player lives on, poor and wounded.
  s.cash = 900;
  s.health = 100;
  open(Pursuer::Tony);
  p.btn3Click();
  ASSERT_TRUE(p.quitVisible());
  p.FormCloseQuery();
  EXPECT_EQ(player.texts().size(), 2u);
  EXPECT_EQ(s.cash, 0);
  EXPECT_EQ(s.health, 50);
  EXPECT_FALSE(game.finished());

  // Close is the honest way out: its own close request costs nothing.
  s.cash = 900;
  clock.set(kEscapeDraw8);
  open(Pursuer::Cops);
  p.btn2Click();
  EXPECT_TRUE(p.btnCloseClick());
  EXPECT_TRUE(p.closeAllowed());
  EXPECT_FALSE(p.closeVisible());
  p.FormCloseQuery();
  EXPECT_EQ(player.texts().size(), 2u);
  EXPECT_EQ(s.cash, 900);
}

TEST_F(PursuitTest, CloseGameEndsTheProgramWithoutThePenalty) {
  s.cash = 900;
  open(Pursuer::Cops);
  p.btn3Click();
  p.btnQuitClick();
  EXPECT_EQ(player.terminations, 1);
  EXPECT_TRUE(game.finished());
  p.FormCloseQuery();
  EXPECT_TRUE(player.boxes.empty());
  EXPECT_EQ(s.cash, 900);
}

TEST_F(PursuitTest, AWoundCarriesOverToTheNextEncounterButTheLogAndButtonsDoNot) {
  clock.set(kCaughtDraw0);
  open(Pursuer::Cops);
  p.btn2Click();
  EXPECT_EQ(s.health, 50);
  p.btnCloseClick();
  p.FormCloseQuery();

  open(Pursuer::BorderPatrol);
  EXPECT_EQ(p.log(), Lines{"The Border Patrol is after you!"});
  EXPECT_FALSE(p.closeAllowed());
  EXPECT_TRUE(p.runEnabled());
  p.btn2Click();
  EXPECT_EQ(p.log().back(), "GAME OVER.");

  // Left by the window system after GAME OVER: the next encounter still opens with a choice.
  p.FormCloseQuery();
  ASSERT_TRUE(p.quitVisible());
  open(Pursuer::Cops);
  EXPECT_FALSE(p.quitVisible());
  EXPECT_FALSE(p.closeVisible());
  p.FormCloseQuery();
  EXPECT_EQ(player.texts(), (Lines{"Cheaters never prosper.", "Cheaters never prosper."}));
}

}  // namespace
}  // namespace quillmere
