// The engine's front door: one game, its state, its random generator and every rule.
// A screen calls the handler named like its control's event and then redraws from
// state(); anything the player must answer in the middle of a rule goes through Player.
#pragma once

#include <functional>
#include <string_view>

#include "game/dealers.h"
#include "game/endscreen.h"
#include "game/loan.h"
#include "game/player.h"
#include "game/pursuit.h"
#include "game/random.h"
#include "game/state.h"

namespace quillmere {

class Game {
 public:
  Game(Clock& clock, Player& player);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  GameState& state() { return m_state; }
  const GameState& state() const { return m_state; }
  Random& random() { return m_random; }
  Player& player() { return m_player; }

  // What "Continue" on the start screen does once the screens exist: day 1, the Honda
  // Civic, no gun, startgame and the first street-event roll. progress hears 80, 96 and
  // 100 as those steps are done.
  void NewGame(const std::function<void(int percent)>& progress = {});

  // New game and market.
  void startgame();
  void randomdrugs();
  void getinfo(int good, Money price);

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

  // Travel and the day cycle.
  void Travel(Place place);
  void btnDowntownClick() { Travel(Place::Downtown); }
  void btnHollywoodClick() { Travel(Place::Hollywood); }
  void btnPasadenaClick() { Travel(Place::Pasadena); }
  void btnBeverlyHillsClick() { Travel(Place::BeverlyHills); }
  void btnSouthCentralClick() { Travel(Place::SouthCentral); }
  void btnSanDiegoClick() { Travel(Place::SanDiego); }
  void btnLasVegasClick() { Travel(Place::LasVegas); }
  void btnTijuanaClick() { Travel(Place::Tijuana); }
  void NewDay(int periods);
  void dailygrind();
  void EndGame();

  // Street events: the roll after every trip and the encounters it starts.
  void streetevents(std::string_view kind);
  void mugging();
  void copchase();
  void ladies();
  void familyoffer();
  void borderreturn();
  void tonychase();

  // The menu's Exit and the main screen's close: the program ends.
  void Exit1Click();

  // The reused screens' own state.
  Pursuit& busted() { return m_busted; }
  GunDealer& guns() { return m_guns; }
  CarDealer& cars() { return m_cars; }
  LoanDialog& loan() { return m_loan; }
  const EndScreen& end() const { return m_end; }

  // True once the game is over (the end screen is up) or the program is ending; every
  // handler then does nothing.
  bool finished() const { return m_finished; }
  // Ends the program through the player; the engine then ignores every further event.
  void Terminate();

  // The first possession row that is free for a new lot, added at the bottom when none is.
  int freeLotRow();

 private:
  // Opens the pursuit screen for a pursuer and waits for it to close.
  void pursue(Pursuer who);

  GameState m_state;
  Random m_random;
  Player& m_player;
  Pursuit m_busted{*this};
  GunDealer m_guns{*this};
  CarDealer m_cars{*this};
  LoanDialog m_loan{*this};
  EndScreen m_end;
  bool m_finished = false;
  bool m_terminated = false;
};

}  // namespace quillmere
