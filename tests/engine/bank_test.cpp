// The bank, paying Tony all or some of the debt, and the hospital.
#include <gtest/gtest.h>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using testing::Box;
using testing::GameFixture;

constexpr Money kMax = 2147483647;
const std::string kAtm = "Do I look like an ATM machine to you? Bring me CASH!";
const std::string kTooMuch = "Why in the world would you want to pay Tony more than you owe him?!";

struct Money3 {
  Money cash, bank, debt;
  bool operator==(const Money3&) const = default;
};
Money3 Held(const GameState& s) {
  return {s.cash, s.bank, s.debt};
}
void Hold(GameState& s, Money3 m) {
  s.cash = m.cash;
  s.bank = m.bank;
  s.debt = m.debt;
}

TEST(Bank, DepositAndWithdrawMoveEverything) {
  GameFixture f;
  f.game.SpeedButton3Click();
  EXPECT_EQ(Held(f.s), (Money3{0, 2000, 2000}));
  f.game.SpeedButton1Click();
  EXPECT_EQ(Held(f.s), (Money3{2000, 0, 2000}));
  Hold(f.s, {kMax - 10, 100, 0});
  f.game.SpeedButton1Click();
  EXPECT_EQ(Held(f.s), (Money3{kMax, 0, 0}));
  EXPECT_TRUE(f.player.boxes.empty());
}

TEST(Tony, PayAllPaysWhatTheCashCovers) {
  struct Case {
    Money3 before, after;
    bool buttonsAfter;
    bool atm;
  };
  const Case cases[] = {
      {{2500, 0, 2000}, {500, 0, 0}, false, false},
      {{1500, 0, 2000}, {0, 0, 500}, true, false},
      {{2000, 0, 2000}, {0, 0, 0}, false, false},
      {{0, 5000, 2000}, {0, 5000, 2000}, true, true},  // the bank is not used
      {{100, 0, 0}, {100, 0, 0}, false, false},        // debt cleared on the pursuit screen
      {{0, 0, 0}, {0, 0, 0}, true, true},
      {{-500, 0, 2000}, {-500, 0, 2000}, true, true},  // no cash to pay with, and no new debt
  };
  for (const Case& c : cases) {
    GameFixture f;
    Hold(f.s, c.before);
    f.game.btnTonyallClick();
    EXPECT_EQ(Held(f.s), c.after) << c.before.cash << "/" << c.before.debt;
    EXPECT_EQ(f.s.tonyButtonsEnabled, c.buttonsAfter) << c.before.cash << "/" << c.before.debt;
    EXPECT_EQ(f.player.texts(),
              c.atm ? std::vector<std::string>{kAtm} : std::vector<std::string>{});
    if (c.atm) {
      EXPECT_EQ(f.player.boxes[0].kind, DialogKind::Information);
    }
  }
}

TEST(Tony, DisabledButtonsDoNothing) {
  GameFixture f;
  Hold(f.s, {1000, 3000, 2000});
  f.s.tonyButtonsEnabled = false;
  f.game.btnTonyallClick();
  f.game.btntonysomeClick();
  EXPECT_EQ(Held(f.s), (Money3{1000, 3000, 2000}));
}

TEST(Tony, SomeMovesTheBankIntoCashAndPresetsTheSmallerAmount) {
  GameFixture f;
  Hold(f.s, {1000, 3000, 2000});
  f.game.btntonysomeClick();
  EXPECT_EQ(Held(f.s), (Money3{4000, 0, 2000}));
  EXPECT_EQ(f.game.loan().max(), 4000);
  EXPECT_EQ(f.game.loan().text(), "2000");
  EXPECT_TRUE(f.game.loan().Button2Click());
  EXPECT_EQ(Held(f.s), (Money3{4000, 0, 2000}));

  Hold(f.s, {500, 0, 2000});
  f.game.btntonysomeClick();
  EXPECT_EQ(f.game.loan().max(), 500);
  EXPECT_EQ(f.game.loan().text(), "500");
}

TEST(LoanDialog, OkPaysWithinTheCashAndTheDebt) {
  struct Case {
    Money3 before;
    const char* typed;
    Money3 after;
    bool closes;
    const char* message;  // empty: none
  };
  const Case cases[] = {
      {{4000, 0, 2000}, "2500", {4000, 0, 2000}, false, "too much"},
      {{4000, 0, 2000}, "2000", {2000, 0, 0}, true, ""},
      {{4000, 0, 2000}, "700", {3300, 0, 1300}, true, ""},
      {{4000, 0, 2000}, "0", {4000, 0, 2000}, true, ""},
      {{4000, 0, 2000}, "-30", {4000, 0, 2000}, true, ""},
      // OK pressed with Enter: the field never lost the focus, yet no more than the cash.
      {{1000, 0, 8000}, "5000", {0, 0, 7000}, true, ""},
      {{0, 0, 2000}, "500", {0, 0, 2000}, true, ""},
  };
  for (const Case& c : cases) {
    GameFixture f;
    Hold(f.s, c.before);
    f.game.btntonysomeClick();
    f.game.loan().setText(c.typed);
    EXPECT_EQ(f.game.loan().Button1Click(), c.closes) << c.typed;
    EXPECT_EQ(Held(f.s), c.after) << c.typed;
    EXPECT_EQ(f.s.tonyButtonsEnabled, c.after.debt != 0) << c.typed;
    if (*c.message) {
      ASSERT_EQ(f.player.boxes.size(), 1u);
      EXPECT_EQ(f.player.boxes[0].text, kTooMuch);
      EXPECT_EQ(f.player.boxes[0].kind, DialogKind::Information);
    } else {
      EXPECT_TRUE(f.player.boxes.empty()) << c.typed;
    }
  }
}

TEST(LoanDialog, TextThatIsNoNumberIsAnErrorAndTheDialogStays) {
  for (const char* typed : {"", "-", "1.5", "12a"}) {
    GameFixture f;
    f.game.btntonysomeClick();
    f.game.loan().setText(typed);
    EXPECT_FALSE(f.game.loan().Button1Click());
    EXPECT_EQ(f.player.conversionErrors, std::vector<std::string>{typed});
    EXPECT_EQ(f.game.loan().text(), typed);
    EXPECT_EQ(Held(f.s), (Money3{2000, 0, 2000}));
  }
}

TEST(LoanDialog, ArrowsAndLeavingTheFieldKeepTheAmountInRange) {
  GameFixture f;
  LoanDialog& loan = f.game.loan();
  struct Case {
    const char* typed;
    int step;  // 0: leave the field instead
    const char* shown;
  };
  const Case cases[] = {
      {"50", 1, "51"},   {"100", 1, "100"}, {"0", -1, "0"},  {"abc", 1, "1"},    {"-5", 0, "0"},
      {"150", 0, "100"}, {"abc", 0, "abc"}, {"+7", 0, "+7"}, {"999", -1, "100"},
  };
  for (const Case& c : cases) {
    loan.open(100, 50);
    loan.setText(c.typed);
    if (c.step)
      loan.step(c.step);
    else
      loan.edtPayExit();
    EXPECT_EQ(loan.text(), c.shown) << c.typed << " " << c.step;
  }
  loan.open(-300, -300);  // cash below zero: nothing can be paid
  EXPECT_EQ(loan.max(), 0);
  EXPECT_EQ(loan.text(), "0");
}

TEST(Hospital, ThreeThousandForFullHealth) {
  struct Case {
    Money cash;
    bool yes;
    Money cashAfter;
    int healthAfter;
  };
  const Case cases[] = {{3000, true, 0, 100}, {5000, false, 5000, 50}, {2999, true, 2999, 50}};
  for (const Case& c : cases) {
    GameFixture f;
    f.s.cash = c.cash;
    f.s.health = 50;
    f.player.answers = {c.yes};
    f.game.btnHospitalClick();
    EXPECT_EQ(f.s.cash, c.cashAfter);
    EXPECT_EQ(f.s.health, c.healthAfter);
    ASSERT_EQ(f.player.boxes.size(), 1u);
    const Box& box = f.player.boxes[0];
    if (c.cash < 3000) {
      EXPECT_EQ(box.text, "What do we look like, a free clinic? Get some cash and come back.");
      EXPECT_EQ(box.kind, DialogKind::Information);
      EXPECT_EQ(box.buttons, DialogButtons::Ok);
    } else {
      EXPECT_EQ(box.text, "Get medical help for $3000?");
      EXPECT_EQ(box.kind, DialogKind::Confirmation);
      EXPECT_EQ(box.buttons, DialogButtons::YesNo);
    }
  }
}

}  // namespace
}  // namespace quillmere
