// The loan payment dialog: how much of Tony's debt to pay from the cash.
#pragma once

#include <string>

#include "game/money.h"
#include "game/task.h"

namespace quillmere {

class GameContext;  // game/context.h

// Pays Tony an amount from the cash; once the debt is cleared Tony can no longer be paid.
void PayTony(GameContext& game, Money amount);

class LoanDialog {
 public:
  explicit LoanDialog(GameContext& game) : m_game(game) {}

  // Set by "some" before the dialog opens: the range 0 .. max and the preset amount.
  void open(Money max, Money preset);

  // The player's text in the amount field, kept as typed.
  const std::string& text() const { return m_text; }
  void setText(std::string text) { m_text = std::move(text); }
  // The field's arrows: step the amount by delta within the range.
  void step(int delta);
  // Leaving the field clamps a number into the range.
  void leaveField();

  // OK: true when the payment is made and the dialog closes.
  Task<bool> Confirm();

  Money max() const { return m_max; }

 private:
  GameContext& m_game;
  Money m_max = 0;
  std::string m_text = "0";
};

}  // namespace quillmere
