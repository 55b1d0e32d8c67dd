// The gun dealer and the car dealer. Each keeps its own screen state between visits: the
// selected item, its copy of the cash, the figures it shows, which buttons are enabled.
#pragma once

#include <string>

#include "game/money.h"

namespace quillmere {

class GameContext;  // game/context.h

// What both dealers share: the selection among their items, their copy of the cash, the
// figures of the item held, which buttons are enabled, and Leave.
class Dealer {
 public:
  // The selection handler of item kind: runs only when that item becomes the selected one,
  // like an option button that was not already checked.
  void select(int kind);
  // Leave (and a close through the window system): returns true, the screen closes.
  bool btnCloseClick() { return true; }

  int selected() const { return m_selected; }
  Money lblCash() const { return m_cash; }
  Money lblNewPrice() const { return m_priceOf(m_selected); }
  Money lblOldPrice() const { return m_oldPrice; }
  bool buyEnabled() const { return m_buyEnabled; }
  bool sellEnabled() const { return m_sellEnabled; }

 protected:
  Dealer(GameContext& game, Money (*priceOf)(int kind)) : m_game(game), m_priceOf(priceOf) {}
  ~Dealer() = default;

  GameContext& m_game;
  Money (*m_priceOf)(int kind);
  int m_selected = 1;
  Money m_cash = 0;
  Money m_oldPrice = 0;
  bool m_buyEnabled = false;
  bool m_sellEnabled = false;
};

class GunDealer : public Dealer {
 public:
  explicit GunDealer(GameContext& game);

  // Run by the main screen before each visit. Guns are kinds 1..9.
  void FormShow();
  // Buy: returns true when the screen closes (a purchase); false when the button is disabled.
  bool btnBuyClick();
  void btnSellClick();

  std::string lblNewAccuracy() const;
  std::string lblOldAccuracy() const;

 private:
  // Sells the held gun, if any; the trade-in step of Buy.
  void sell();

  int m_oldKind = 0;
};

class CarDealer : public Dealer {
 public:
  explicit CarDealer(GameContext& game);

  // Run by the main screen before each visit. Cars are kinds 1..10.
  void FormShow();
  // Buy: returns true when the screen closes (a purchase); false after a refusal or when the
  // button is disabled.
  bool btnBuyClick();
  void btnSellClick();

  int lblNewSeats() const;
  int lblNewTrunk() const;
  int lblOldSeats() const { return m_oldSeats; }
  int lblOldTrunk() const { return m_oldTrunk; }

 private:
  int m_oldSeats = 0;
  int m_oldTrunk = 0;
};

}  // namespace quillmere
