// The gun dealer and the car dealer. Each keeps its own screen state between visits: the
// selected item, its copy of the cash, which buttons are enabled.
#pragma once

#include "game/money.h"

namespace quillmere {

class Game;

class GunDealer {
 public:
  explicit GunDealer(Game& game) : m_game(game) {}

  void FormShow();
  // The selection handler of gun gunKind (1..9), as when its option button becomes selected.
  void select(int gunKind);
  // Buy: returns true, the screen closes.
  bool btnBuyClick();
  void btnSellClick();
  // Leave (and a close through the window system): returns true, the screen closes.
  bool btnCloseClick();

  int selected() const { return m_selected; }
  Money lblCash() const { return m_cash; }
  Money lblNewPrice() const;
  std::string lblNewAccuracy() const;
  Money lblOldPrice() const { return m_oldPrice; }
  std::string lblOldAccuracy() const;
  bool buyEnabled() const { return m_buyEnabled; }
  bool sellEnabled() const { return m_sellEnabled; }

 private:
  void sell();

  Game& m_game;
  int m_selected = 1;
  Money m_cash = 0;
  Money m_oldPrice = 0;
  int m_oldKind = 0;
  bool m_buyEnabled = false;
  bool m_sellEnabled = false;
};

class CarDealer {
 public:
  explicit CarDealer(Game& game) : m_game(game) {}

  void FormShow();
  // The selection handler of car carKind (1..10).
  void select(int carKind);
  // Buy: returns true when the screen closes (a purchase); false after a refusal.
  bool btnBuyClick();
  void btnSellClick();
  bool btnCloseClick();

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
  Game& m_game;
  int m_selected = 1;
  Money m_cash = 0;
  Money m_oldPrice = 0;
  int m_oldSeats = 0;
  int m_oldTrunk = 0;
  bool m_buyEnabled = false;
  bool m_sellEnabled = false;
};

}  // namespace quillmere
