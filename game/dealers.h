// The gun dealer and the car dealer. Each keeps its own screen state between visits: the
// selected item, its copy of the cash, the figures it shows, which buttons are enabled.
#pragma once

#include <string>

#include "game/money.h"
#include "game/task.h"

namespace quillmere {

class GameContext;  // game/context.h

// What both dealers share: the selection among their items, their copy of the cash, the
// figures of the item held, which buttons are enabled, and Leave.
class Dealer {
 public:
  // Picks item kind: runs only when that item becomes the selected one, like an option
  // button that was not already checked. A kind the dealer does not sell is no choice.
  void select(int kind);

  int selected() const { return m_selected; }
  // The dealer's own copy of the cash, the selected item's price and the held one's.
  Money cash() const { return m_cash; }
  Money newPrice() const { return m_priceOf(m_selected); }
  Money oldPrice() const { return m_oldPrice; }
  bool buyEnabled() const { return m_buyEnabled; }
  bool sellEnabled() const { return m_sellEnabled; }

 protected:
  Dealer(GameContext& game, int kinds, Money (*priceOf)(int kind))
      : m_game(game), m_kinds(kinds), m_priceOf(priceOf) {}
  ~Dealer() = default;

  GameContext& m_game;
  int m_kinds;
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

  // The start of each visit. Guns are kinds 1..9.
  void Open();
  // Buy: true when the screen closes (a purchase); false when Buy is disabled.
  bool Buy();
  void Sell();

  std::string newAccuracy() const;
  std::string oldAccuracy() const;

 private:
  // Sells the held gun, if any; the trade-in step of Buy.
  void sell();

  int m_oldKind = 0;
};

class CarDealer : public Dealer {
 public:
  explicit CarDealer(GameContext& game);

  // The start of each visit. Cars are kinds 1..10.
  void Open();
  // Buy: true when the screen closes (a purchase); false after a refusal or when Buy is
  // disabled.
  Task<bool> Buy();
  Task<> Sell();

  int newSeats() const;
  int newTrunk() const;
  int oldSeats() const { return m_oldSeats; }
  int oldTrunk() const { return m_oldTrunk; }

 private:
  int m_oldSeats = 0;
  int m_oldTrunk = 0;
};

}  // namespace quillmere
