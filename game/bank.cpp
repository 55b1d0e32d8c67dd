// The bank, paying Tony, the loan payment dialog and the hospital.
#include <algorithm>

#include "game/game.h"
#include "game/texts.h"

namespace quillmere {

namespace {

constexpr Money kHospitalFee = 3000;

// Tony's buttons stay off for the rest of the game once a payment through them clears the debt.
void PayTony(GameState& s, Money amount) {
  s.cash = SubMoney(s.cash, amount);
  s.debt = SubMoney(s.debt, amount);
  if (s.debt == 0) s.tonyButtonsEnabled = false;
}

}  // namespace

void Game::SpeedButton1Click() {
  if (m_finished) return;
  WithdrawAll(m_state);
}

void Game::SpeedButton3Click() {
  if (m_finished) return;
  MoveMoney(m_state.cash, m_state.bank);
}

void Game::btnTonyallClick() {
  if (m_finished || !m_state.tonyButtonsEnabled) return;
  // Cash below zero pays nothing: it must never turn into more debt.
  if (m_state.cash <= 0) {
    m_player.MessageDialog(
        QUILLMERE_TEXT("Message", "Do I look like an ATM machine to you? Bring me CASH!"),
        DialogKind::Information, DialogButtons::Ok);
    return;
  }
  PayTony(m_state, std::clamp<Money>(m_state.debt, 0, m_state.cash));
}

void Game::btntonysomeClick() {
  if (m_finished || !m_state.tonyButtonsEnabled) return;
  SpeedButton1Click();
  m_loan.open(m_state.cash, std::min(m_state.debt, m_state.cash));
}

void Game::btnHospitalClick() {
  if (m_finished) return;
  const auto broke = [this] {
    if (m_state.cash >= kHospitalFee) return false;
    m_player.MessageDialog(
        QUILLMERE_TEXT("Message",
                       "What do we look like, a free clinic? Get some cash and come back."),
        DialogKind::Information, DialogButtons::Ok);
    return true;
  };
  if (broke()) return;
  if (!m_player.MessageDialog(QUILLMERE_TEXT("Message", "Get medical help for $3000?"),
                              DialogKind::Confirmation, DialogButtons::YesNo))
    return;
  // The cash is judged again at the moment of paying: whatever happened while the question
  // was up, the fee is never paid with money that is no longer there.
  if (broke()) return;
  m_state.cash -= kHospitalFee;
  m_state.health = 100;
}

void LoanDialog::open(Money max, Money preset) {
  if (m_game.finished()) return;
  // With no cash (or less) the only payment is 0.
  m_max = std::max<Money>(max, 0);
  m_text = ToText(std::clamp<Money>(preset, 0, m_max));
}

void LoanDialog::step(int delta) {
  if (m_game.finished()) return;
  m_text = ToText(std::clamp<Money>(ReadAmount(StepAmount(m_text, delta)), 0, m_max));
}

void LoanDialog::edtPayExit() {
  if (m_game.finished()) return;
  const std::optional<std::int32_t> amount = ParseInt32(m_text);
  if (amount && (*amount < 0 || *amount > m_max))
    m_text = ToText(std::clamp<Money>(*amount, 0, m_max));
}

bool LoanDialog::Button1Click() {
  if (m_game.finished()) return false;
  // OK pressed with Enter never leaves the field, so the range is enforced here too:
  // nobody pays more than the cash at hand, judged now rather than when the dialog opened.
  GameState& s = m_game.state();
  m_max = std::clamp<Money>(s.cash, 0, m_max);
  edtPayExit();
  const std::optional<std::int32_t> amount = ParseInt32(m_text);
  if (!amount) {
    m_game.player().ConversionError(m_text);
    return false;
  }
  if (s.debt < *amount) {
    m_game.player().MessageDialog(
        QUILLMERE_TEXT("Message",
                       "Why in the world would you want to pay Tony more than you owe him?!"),
        DialogKind::Information, DialogButtons::Ok);
    return false;
  }
  PayTony(s, *amount);
  return true;
}

}  // namespace quillmere
