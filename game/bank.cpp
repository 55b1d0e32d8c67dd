// The bank, paying Tony and the hospital.
#include <algorithm>

#include "game/game.h"
#include "game/texts.h"

namespace quillmere {

namespace {

constexpr Money kHospitalFee = 3000;

}  // namespace

Task<> Game::payTonyAll() {
  if (!m_view.canPayTony) co_return;
  // Cash below zero pays nothing: it must never turn into more debt.
  if (m_state.cash <= 0) {
    co_await Tell(
        QUILLMERE_TEXT("Message", "Do I look like an ATM machine to you? Bring me CASH!"));
    co_return;
  }
  PayTony(*this, std::clamp<Money>(m_state.debt, 0, m_state.cash));
}

Task<> Game::payTonySome() {
  if (!m_view.canPayTony) co_return;
  WithdrawAll(m_state);
  m_loan.open(m_state.cash, std::min(m_state.debt, m_state.cash));
  m_front = Front::Loan;
}

Task<> Game::confirmPayment() {
  const bool paid = co_await m_loan.Confirm();
  if (paid) m_front = Front::Main;
}

Task<> Game::seeDoctor() {
  if (m_state.cash < kHospitalFee) {
    co_await Tell(QUILLMERE_TEXT(
        "Message", "What do we look like, a free clinic? Get some cash and come back."));
    co_return;
  }
  const bool yes = co_await Ask(QUILLMERE_TEXT("Message", "Get medical help for $3000?"),
                                DialogKind::Confirmation, DialogButtons::YesNo);
  if (!yes) co_return;
  m_state.cash -= kHospitalFee;
  m_state.health = 100;
}

}  // namespace quillmere
