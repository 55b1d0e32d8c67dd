// The engine's front door: one game, its state, its random generator and every rule.
// A screen calls the entry point named like its control's event and then redraws from
// state(); anything the player must answer in the middle of a rule goes through Player.
#pragma once

#include <functional>

#include "game/context.h"
#include "game/dealers.h"
#include "game/endscreen.h"
#include "game/loan.h"
#include "game/pursuit.h"

namespace quillmere {

// The two kinds of street-event roll: after a trip to Tijuana, and after any other.
enum class EventKind { Misc, Tj };

class Game : public GameContext {
 public:
  Game(Clock& clock, Player& player);

  // ---- Entry points: what the screens call, each named like its control's event. ----

  // What "Continue" on the start screen does once the screens exist: day 1, the Honda
  // Civic, no gun, startgame and the first street-event roll. progress hears 80, 96 and
  // 100 as those steps are done.
  void NewGame(const std::function<void(int percent)>& progress = {});

  // Trading. Rows are grid rows: 0 is the header, -1 a point outside every cell.
  void drug1MouseUp(int row);
  void btnBuyClick();
  void drug2MouseUp(int row);
  void btnSellClick();
  // The buy and sell boxes: the text the player put there, kept as it is, and an arrow that
  // steps the number the box reads.
  void edtBuyChange(std::string text);
  void edtBuyStep(int delta);
  void edtSellChange(std::string text);
  void edtSellStep(int delta);

  // Bank, Tony and the hospital. btntonysomeClick prepares the loan dialog, which the
  // screen then shows modally.
  void SpeedButton1Click();  // withdraw
  void SpeedButton3Click();  // deposit
  void btnTonyallClick();
  void btntonysomeClick();
  void btnHospitalClick();

  // Travel: the eight travel buttons.
  void Travel(Place place);

  // The menu's Exit and the main screen's close: the program ends.
  void Exit1Click();

  // The reused screens' own state and handlers.
  Pursuit& busted() { return m_busted; }
  GunDealer& guns() { return m_guns; }
  CarDealer& cars() { return m_cars; }
  LoanDialog& loan() { return m_loan; }
  const GameResult& result() const { return m_result; }

  // ---- The rules' own steps. The entry points above run them; they are public so that a
  // test can run one step alone. No screen calls them. ----

  // New game and market.
  void startgame();
  void randomdrugs();
  void getinfo(int good, Money price);

  // The day cycle.
  void NewDay(int periods);
  void dailygrind();
  void EndGame();

  // Street events: the roll after every trip and the encounters it starts.
  void streetevents(EventKind kind);
  void mugging();
  void copchase();
  void ladies();
  void familyoffer();
  void borderreturn();
  void tonychase();

  // The first possession row that is free for a new lot, added at the bottom when none is.
  int freeLotRow();

 private:
  // Opens the pursuit screen for a pursuer and waits for it to close.
  void pursue(Pursuer who);

  Pursuit m_busted{*this};
  GunDealer m_guns{*this};
  CarDealer m_cars{*this};
  LoanDialog m_loan{*this};
  GameResult m_result;
};

}  // namespace quillmere
