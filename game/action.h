// Every move a player can make, as a value: what the screens send to the game, what a test
// scripts and what a game's record writes down. Game::Act takes any of them; the screen in
// front and the question that is up decide which of them the game takes at a given moment.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "game/catalogue.h"

namespace quillmere {

// The start screen's Continue: day 1, the first market and the first street-event roll.
struct StartGame {};

// The main screen. Rows are grid rows: 0 is the header, -1 a point outside every cell.
struct PickGood {
  int row;
};
struct PickLot {
  int row;
};
// The buy and sell boxes: the text the player put there, kept as typed, and their arrows.
struct SetBuyAmount {
  std::string text;
};
struct StepBuyAmount {
  int delta;
};
struct SetSellAmount {
  std::string text;
};
struct StepSellAmount {
  int delta;
};
struct Buy {};
struct Sell {};
struct Withdraw {};
struct Deposit {};
struct PayTonyAll {};
// Opens the loan payment dialog.
struct PayTonySome {};
struct SeeDoctor {};
struct Travel {
  Place place;
};
struct VisitGunDealer {};
struct VisitCarDealer {};

// The dealer in front: pick an item, buy it, sell the one held, leave.
struct Choose {
  int kind;
};
struct BuyFromDealer {};
struct SellToDealer {};
struct LeaveDealer {};

// The loan payment dialog: the amount field, its arrows, leaving it, OK and Cancel.
struct SetPayment {
  std::string text;
};
struct StepPayment {
  int delta;
};
struct LeavePaymentField {};
struct ConfirmPayment {};
struct CancelPayment {};

// The pursuit: Pay, Run, Fight, its Close button, and a close through the window system.
struct PayOff {};
struct Run {};
struct Fight {};
struct ClosePursuit {};
struct ClosePursuitWindow {};

// The answer to the message box that is up: Yes (or OK), or No (also closing it).
struct Answer {
  bool yes;
};

// Ends the program: Exit, closing the main screen, Close Game, Retire, closing a screen.
struct Quit {};

using Action =
    std::variant<StartGame, PickGood, PickLot, SetBuyAmount, StepBuyAmount, SetSellAmount,
                 StepSellAmount, Buy, Sell, Withdraw, Deposit, PayTonyAll, PayTonySome, SeeDoctor,
                 Travel, VisitGunDealer, VisitCarDealer, Choose, BuyFromDealer, SellToDealer,
                 LeaveDealer, SetPayment, StepPayment, LeavePaymentField, ConfirmPayment,
                 CancelPayment, PayOff, Run, Fight, ClosePursuit, ClosePursuitWindow, Answer, Quit>;

}  // namespace quillmere

namespace quillmere {

// One lambda per alternative, for std::visit over an action.
template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang 14).
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// The action as one line of a game's record: its name and its argument, if it has one
// ("Travel 5", "Answer yes", "SetBuyAmount '12"). A typed text is written after a quote, with
// every byte but the printable ASCII ones (and "%" and "@") as %XX.
std::string Describe(const Action& action);
// The action a line written by Describe stands for; nothing for any other line.
std::optional<Action> ParseAction(std::string_view line);

// Two actions are the same move when they are written the same.
inline bool operator==(const Action& a, const Action& b) { return Describe(a) == Describe(b); }

}  // namespace quillmere
