// The loan payment dialog, and paying Tony.
#include "game/loan.h"

#include <algorithm>

#include "game/context.h"
#include "game/texts.h"

namespace quillmere {

void PayTony(GameContext& game, Money amount) {
  GameState& s = game.state();
  s.cash = SubMoney(s.cash, amount);
  s.debt = SubMoney(s.debt, amount);
  // Tony's buttons stay off for the rest of the game once a payment through them clears the
  // debt.
  if (s.debt == 0) game.view().canPayTony = false;
}

void LoanDialog::open(Money max, Money preset) {
  // With no cash (or less) the only payment is 0.
  m_max = std::max<Money>(max, 0);
  m_text = ToText(std::clamp<Money>(preset, 0, m_max));
}

void LoanDialog::step(int delta) {
  m_text = ToText(std::clamp<Money>(ReadAmount(StepAmount(m_text, delta)), 0, m_max));
}

void LoanDialog::leaveField() {
  const std::optional<std::int32_t> amount = ParseInt32(m_text);
  if (amount && (*amount < 0 || *amount > m_max))
    m_text = ToText(std::clamp<Money>(*amount, 0, m_max));
}

Task<bool> LoanDialog::Confirm() {
  // OK pressed with Enter never leaves the field, so the range is enforced here too:
  // nobody pays more than the cash at hand, judged now rather than when the dialog opened.
  GameState& s = m_game.state();
  m_max = std::clamp<Money>(s.cash, 0, m_max);
  leaveField();
  const std::optional<std::int32_t> amount = ParseInt32(m_text);
  if (!amount) {
    co_await m_game.ConversionError(m_text);
    co_return false;
  }
  if (s.debt < *amount) {
    co_await m_game.Tell(QUILLMERE_TEXT(
        "Message", "Why in the world would you want to pay Tony more than you owe him?!"));
    co_return false;
  }
  PayTony(m_game, *amount);
  co_return true;
}

}  // namespace quillmere
