// The gun dealer and the car dealer. Each keeps its own screen state between visits: the
// selected item, its copy of the cash, the figures it shows, which buttons are enabled.
#pragma once

#include <string>

#include "game/money.h"

namespace quillmere {

class GameContext;  // game/context.h

class GunDealer {
 public:
  explicit GunDealer(GameContext& game) : m_game(game) {}

  // Run by the main screen before each visit.
  void FormShow();
  // The selection handler of gun gunKind (1..9): runs only when that gun becomes the
  // selected one, like an option button that was not already checked.
  void select(int gunKind);
  // Buy: returns true when the screen closes (a purchase); false when the button is disabled.
  bool btnBuyClick();
  void btnSellClick();
  // Leave (and a close through the window system): returns true, the screen closes.
  bool btnCloseClick() { return true; }

  int selected() const { return m_selected; }
  Money lblCash() const { return m_cash; }
  Money lblNewPrice() const;
  std::string lblNewAccuracy() const;
  Money lblOldPrice() const { return m_oldPrice; }
  std::string lblOldAccuracy() const;
  bool buyEnabled() const { return m_buyEnabled; }
  bool sellEnabled() const { return m_sellEnabled; }

 private:
  // Sells the held gun, if any; the trade-in step of Buy.
  void sell();

  GameContext& m_game;
  int m_selected = 1;
  Money m_cash = 0;
  Money m_oldPrice = 0;
  int m_oldKind = 0;
  bool m_buyEnabled = false;
  bool m_sellEnabled = false;
};

class CarDealer {
 public:
  explicit CarDealer(GameContext& game) : m_game(game) {}

  // Run by the main screen before each visit.
  void FormShow();
  // The selection handler of car carKind (1..10), run only when it becomes the selected one.
  void select(int carKind);
  // Buy: returns true when the screen closes (a purchase); false after a refusal or when the
  // button is disabled.
  bool btnBuyClick();
  void btnSellClick();
  bool btnCloseClick() { return true; }

  int selected() const { return m_selected; }
  Money lblCash() const { return m_cash; }
  Money lblNewPrice() const;
  int lblNewSeats() const;
  int lblNewTrunk() const;
  Money lblOldPrice() const { return m_oldPrice; }
  int lblOldSeats() const { return m_oldSeats; }
  int lblOldTrunk() const { return m_oldTrunk; }
  bool buyEnabled() const { return m_buyEnabled; }
  bool sellEnabled() const { return m_sellEnabled; }

 private:
  GameContext& m_game;
  int m_selected = 1;
  Money m_cash = 0;
  Money m_oldPrice = 0;
  int m_oldSeats = 0;
  int m_oldTrunk = 0;
  bool m_buyEnabled = false;
  bool m_sellEnabled = false;
};

}  // namespace quillmere
