// Every move a player can make, as a value: what the screens send to the game, what a test
// scripts and what a game's record writes down. Game::Act takes any of them; the screen in
// front and the question that is up decide which of them the game takes at a given moment.
#pragma once

#include <string>
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

// The action's name and its argument, if it has one: "Travel 5", "SetBuyAmount 12".
std::string Describe(const Action& action);

}  // namespace quillmere
