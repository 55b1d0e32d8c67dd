// The bank, paying Tony all or some of the debt, and the hospital.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/scripted_player.h"

namespace quillmere {
namespace {

using testing::GameFixture;
using Lines = std::vector<std::string>;
using namespace std::string_literals;
using Money3 = std::tuple<Money, Money, Money>;  // cash, bank, debt

constexpr Money kMax = 2147483647;
const std::string kAtm = "Do I look like an ATM machine to you? Bring me CASH!";

Money3 Held(const GameState& s) { return {s.cash, s.bank, s.debt}; }
void Hold(GameState& s, Money3 m) { std::tie(s.cash, s.bank, s.debt) = m; }

TEST(Bank, DepositAndWithdrawMoveEverything) {
  GameFixture f;
  f.act(Deposit{});
  EXPECT_EQ(Held(f.s), Money3(0, 2000, 2000));
  f.act(Withdraw{});
  EXPECT_EQ(Held(f.s), Money3(2000, 0, 2000));
}

TEST(Bank, AtTheLimitOnlyWhatFitsMoves) {
  constexpr Money kMin = -kMax - 1;
  // What cannot be held stays put.
  struct Case {
    Money cash, bank;
    bool withdraw;  // or deposit
    Money cashAfter, bankAfter;
  } const cases[] = {
      {.cash = kMax - 10, .bank = 100, .withdraw = true, .cashAfter = kMax, .bankAfter = 90},
      {.cash = 100, .bank = kMax - 10, .withdraw = false, .cashAfter = 90, .bankAfter = kMax},
      {.cash = -100, .bank = kMin + 50, .withdraw = false, .cashAfter = -50, .bankAfter = kMin},
      {.cash = kMin + 50, .bank = -100, .withdraw = true, .cashAfter = kMin, .bankAfter = -50},
  };
  for (const Case& c : cases) {
    GameFixture f;
    Hold(f.s, {c.cash, c.bank, 0});
    c.withdraw ? f.act(Withdraw{}) : f.act(Deposit{});
    EXPECT_EQ(Held(f.s), Money3(c.cashAfter, c.bankAfter, 0)) << c.cash << " " << c.bank;
  }
}

TEST(Tony, PayAllPaysWhatTheCashCovers) {
  struct Case {
    Money3 before, after;
    bool buttonsAfter;
    Lines boxes{};
  } const cases[] = {
      {.before = {2500, 0, 2000}, .after = {500, 0, 0}, .buttonsAfter = false},
      {.before = {1500, 0, 2000}, .after = {0, 0, 500}, .buttonsAfter = true},
      {.before = {2000, 0, 2000}, .after = {0, 0, 0}, .buttonsAfter = false},
      // the bank is not used
      {.before = {0, 5000, 2000}, .after = {0, 5000, 2000}, .buttonsAfter = true, .boxes = {kAtm}},
      // debt cleared on the pursuit screen
      {.before = {100, 0, 0}, .after = {100, 0, 0}, .buttonsAfter = false},
      {.before = {0, 0, 0}, .after = {0, 0, 0}, .buttonsAfter = true, .boxes = {kAtm}},
      // no cash to pay with, and no new debt
      {.before = {-500, 0, 2000}, .after = {-500, 0, 2000}, .buttonsAfter = true, .boxes = {kAtm}},
  };
  for (const Case& c : cases) {
    GameFixture f;
    Hold(f.s, c.before);
    f.act(PayTonyAll{});
    EXPECT_EQ(Held(f.s), c.after) << std::get<0>(c.before) << "/" << std::get<2>(c.before);
    EXPECT_EQ(f.v.canPayTony, c.buttonsAfter) << std::get<0>(c.before);
    EXPECT_EQ(f.player.texts(), c.boxes);
    for (const auto& box : f.player.boxes) EXPECT_EQ(box.kind, DialogKind::Information);
  }
  // Once they are off, Tony's buttons do nothing.
  GameFixture f;
  f.v.canPayTony = false;
  f.act(PayTonyAll{});
  f.act(PayTonySome{});
  EXPECT_EQ(Held(f.s), Money3(2000, 0, 2000));
}

TEST(Tony, SomeMovesTheBankIntoCashAndPresetsTheSmallerAmount) {
  GameFixture f;
  Hold(f.s, {1000, 3000, 2000});
  f.act(PayTonySome{});
  EXPECT_EQ(Held(f.s), Money3(4000, 0, 2000));
  EXPECT_EQ(std::pair(f.game.loan().max(), f.game.loan().text()), std::pair(4000, "2000"s));
  f.act(CancelPayment{});
  EXPECT_EQ(f.game.front(), Front::Main);
  EXPECT_EQ(Held(f.s), Money3(4000, 0, 2000));

  Hold(f.s, {500, 0, 2000});
  f.act(PayTonySome{});
  EXPECT_EQ(std::pair(f.game.loan().max(), f.game.loan().text()), std::pair(500, "500"s));
}

// A burst of clicks on OK reaches the engine more than once: the first payment closes the
// dialog, and the game takes no second OK.
TEST(LoanDialog, ASecondOkIsNotTaken) {
  GameFixture f;
  Hold(f.s, {1000, 0, 1080});
  f.act(PayTonySome{});
  f.act(SetPayment{"900"});
  f.act(ConfirmPayment{});
  EXPECT_FALSE(f.game.Accepts(ConfirmPayment{}));
  f.act(ConfirmPayment{});
  EXPECT_EQ(Held(f.s), Money3(100, 0, 180));
  EXPECT_EQ(f.game.front(), Front::Main);
}

TEST(LoanDialog, OkPaysWithinTheCashAndTheDebt) {
  const std::string tooMuch = "Why in the world would you want to pay Tony more than you owe him?!";
  struct Case {
    Money3 before;
    const char* typed;
    Money3 after;
    bool closes = true;
  } const cases[] = {
      // more than owed: the dialog stays
      {.before = {4000, 0, 2000}, .typed = "2500", .after = {4000, 0, 2000}, .closes = false},
      {.before = {4000, 0, 2000}, .typed = "2000", .after = {2000, 0, 0}},
      {.before = {4000, 0, 2000}, .typed = "700", .after = {3300, 0, 1300}},
      {.before = {4000, 0, 2000}, .typed = "0", .after = {4000, 0, 2000}},
      {.before = {4000, 0, 2000}, .typed = "-30", .after = {4000, 0, 2000}},
      // OK pressed with Enter: the field never lost the focus, yet no more than the cash.
      {.before = {1000, 0, 8000}, .typed = "5000", .after = {0, 0, 7000}},
      {.before = {0, 0, 2000}, .typed = "500", .after = {0, 0, 2000}},
  };
  for (const Case& c : cases) {
    GameFixture f;
    Hold(f.s, c.before);
    f.act(PayTonySome{});
    f.act(SetPayment{c.typed});
    f.act(ConfirmPayment{});
    EXPECT_EQ(f.game.front() == Front::Main, c.closes) << c.typed;
    EXPECT_EQ(Held(f.s), c.after) << c.typed;
    EXPECT_EQ(f.v.canPayTony, std::get<2>(c.after) != 0) << c.typed;
    EXPECT_EQ(f.player.texts(), c.closes ? Lines{} : Lines{tooMuch}) << c.typed;
    for (const auto& box : f.player.boxes) EXPECT_EQ(box.kind, DialogKind::Information);
  }
  // Text that is no number is an error and the dialog stays.
  for (const char* typed : {"", "1.5"}) {
    GameFixture f;
    f.act(PayTonySome{});
    f.act(SetPayment{typed});
    f.act(ConfirmPayment{});
    EXPECT_EQ(f.game.front(), Front::Loan);
    EXPECT_EQ(f.player.conversionErrors, Lines{typed});
    EXPECT_EQ(Held(f.s), Money3(2000, 0, 2000));
  }
}

TEST(LoanDialog, ArrowsAndLeavingTheFieldKeepTheAmountInRange) {
  GameFixture f;
  const LoanDialog& loan = f.game.loan();
  // The range is 0 .. 100: the cash, all of it owed.
  Hold(f.s, {100, 0, 100});
  f.act(PayTonySome{});
  struct Case {
    const char* typed;
    int step;  // the arrow pressed (0: the field is left instead)
    std::string shown;
  } const cases[] = {
      {.typed = "50", .step = 1, .shown = "51"},    {.typed = "100", .step = 1, .shown = "100"},
      {.typed = "0", .step = -1, .shown = "0"},     {.typed = "abc", .step = 1, .shown = "1"},
      {.typed = "-5", .step = 0, .shown = "0"},     {.typed = "150", .step = 0, .shown = "100"},
      {.typed = "abc", .step = 0, .shown = "abc"},  {.typed = "+7", .step = 0, .shown = "+7"},
      {.typed = "999", .step = -1, .shown = "100"},
  };
  for (const Case& c : cases) {
    f.act(SetPayment{c.typed});
    c.step ? f.act(StepPayment{c.step}) : f.act(LeavePaymentField{});
    EXPECT_EQ(loan.text(), c.shown) << c.typed << " " << c.step;
  }
  f.act(CancelPayment{});
  Hold(f.s, {-300, 0, 2000});
  f.act(PayTonySome{});  // cash below zero: nothing can be paid
  EXPECT_EQ(std::pair(loan.max(), loan.text()), std::pair(0, "0"s));
}

TEST(Hospital, ThreeThousandForFullHealth) {
  const std::string broke = "What do we look like, a free clinic? Get some cash and come back.";
  const std::string ask = "Get medical help for $3000?";
  struct Case {
    Money cash;
    bool yes;  // the answer to the question, if it is asked
    Money cashAfter;
    int healthAfter;
    std::string box;
  } const cases[] = {
      {.cash = 3000, .yes = true, .cashAfter = 0, .healthAfter = 100, .box = ask},
      {.cash = 5000, .yes = false, .cashAfter = 5000, .healthAfter = 50, .box = ask},
      {.cash = 2999, .yes = true, .cashAfter = 2999, .healthAfter = 50, .box = broke},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.s.cash = c.cash;
    f.s.health = 50;
    f.player.answers = {c.yes};
    f.act(SeeDoctor{});
    EXPECT_EQ(std::pair(f.s.cash, f.s.health), std::pair(c.cashAfter, c.healthAfter));
    ASSERT_EQ(f.player.texts(), Lines{c.box});
    const bool asked = c.box == ask;
    EXPECT_EQ(f.player.boxes[0].kind, asked ? DialogKind::Confirmation : DialogKind::Information);
    EXPECT_EQ(f.player.boxes[0].buttons, asked ? DialogButtons::YesNo : DialogButtons::Ok);
  }
}

TEST(Hospital, NothingElseIsTakenWhileTheQuestionIsUp) {
  GameFixture f;
  f.s.cash = 3000;
  f.s.health = 50;
  // While the question is up, a click on Deposit does nothing.
  f.player.onQuestion = [](testing::ScriptedPlayer& p) {
    EXPECT_FALSE(p.game->Accepts(Deposit{}));
    p.game->Act(Deposit{});
  };
  f.player.answers = {true};
  f.act(SeeDoctor{});
  EXPECT_EQ(Held(f.s), Money3(0, 0, 2000));
  EXPECT_EQ(f.s.health, 100);
  EXPECT_EQ(f.player.texts(), Lines{"Get medical help for $3000?"});
}

}  // namespace
}  // namespace quillmere
