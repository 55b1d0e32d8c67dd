// The game's frame: which actions it takes when, the rules they start, and the pursuit that a
// rule waits on.
#include "game/game.h"

#include <algorithm>

namespace quillmere {

namespace {

// Which screen an action is for. Quit and Answer are taken anywhere, as Act says.
struct Where {
  Front front;
  Front orFront;
};

template <class A>
constexpr Where kWhere{Front::Main, Front::Main};
template <>
constexpr Where kWhere<StartGame>{Front::Start, Front::Start};
template <>
constexpr Where kWhere<Choose>{Front::GunDealer, Front::CarDealer};
template <>
constexpr Where kWhere<BuyFromDealer>{Front::GunDealer, Front::CarDealer};
template <>
constexpr Where kWhere<SellToDealer>{Front::GunDealer, Front::CarDealer};
template <>
constexpr Where kWhere<LeaveDealer>{Front::GunDealer, Front::CarDealer};
template <>
constexpr Where kWhere<SetPayment>{Front::Loan, Front::Loan};
template <>
constexpr Where kWhere<StepPayment>{Front::Loan, Front::Loan};
template <>
constexpr Where kWhere<LeavePaymentField>{Front::Loan, Front::Loan};
template <>
constexpr Where kWhere<ConfirmPayment>{Front::Loan, Front::Loan};
template <>
constexpr Where kWhere<CancelPayment>{Front::Loan, Front::Loan};
template <>
constexpr Where kWhere<PayOff>{Front::Pursuit, Front::Pursuit};
template <>
constexpr Where kWhere<Run>{Front::Pursuit, Front::Pursuit};
template <>
constexpr Where kWhere<Fight>{Front::Pursuit, Front::Pursuit};
template <>
constexpr Where kWhere<ClosePursuit>{Front::Pursuit, Front::Pursuit};
template <>
constexpr Where kWhere<ClosePursuitWindow>{Front::Pursuit, Front::Pursuit};

}  // namespace

Game::Game(Clock& clock) : GameContext(clock) {}

bool Game::Accepts(const Action& action) const {
  if (m_front == Front::Closed) return false;
  if (std::holds_alternative<Quit>(action)) return true;
  // While a box is up, it is the only thing the player can answer.
  if (question()) return std::holds_alternative<Answer>(action);
  if (std::holds_alternative<Answer>(action) || m_finished) return false;
  return std::visit(
      [this](const auto& a) {
        const Where where = kWhere<std::decay_t<decltype(a)>>;
        return m_front == where.front || m_front == where.orFront;
      },
      action);
}

void Game::Act(const Action& action) {
  if (!Accepts(action)) return;
  if (const auto* reply = std::get_if<Answer>(&action)) {
    answer(reply->yes);
  } else {
    Task<> rule = std::visit(Overloaded{
                                 [this](const StartGame&) { return newGame(); },
                                 [this](const PickGood& a) { return pickGood(a.row); },
                                 [this](const PickLot& a) { return pickLot(a.row); },
                                 [this](const SetBuyAmount& a) {
                                   m_view.buyText = a.text;
                                   return Task<>();
                                 },
                                 [this](const StepBuyAmount& a) {
                                   m_view.buyText = StepAmount(m_view.buyText, a.delta);
                                   return Task<>();
                                 },
                                 [this](const SetSellAmount& a) {
                                   m_view.sellText = a.text;
                                   return Task<>();
                                 },
                                 [this](const StepSellAmount& a) {
                                   m_view.sellText = StepAmount(m_view.sellText, a.delta);
                                   return Task<>();
                                 },
                                 [this](const Buy&) { return buy(); },
                                 [this](const Sell&) { return sell(); },
                                 [this](const Withdraw&) {
                                   WithdrawAll(m_state);
                                   return Task<>();
                                 },
                                 [this](const Deposit&) {
                                   MoveMoney(m_state.cash, m_state.bank);
                                   return Task<>();
                                 },
                                 [this](const PayTonyAll&) { return payTonyAll(); },
                                 [this](const PayTonySome&) { return payTonySome(); },
                                 [this](const SeeDoctor&) { return seeDoctor(); },
                                 [this](const Travel& a) { return travel(a.place); },
                                 [this](const VisitGunDealer&) { return visitGunDealer(); },
                                 [this](const VisitCarDealer&) { return visitCarDealer(); },
                                 [this](const Choose& a) {
                                   if (m_front == Front::GunDealer)
                                     m_gunDealer.select(a.kind);
                                   else
                                     m_carDealer.select(a.kind);
                                   return Task<>();
                                 },
                                 [this](const BuyFromDealer&) { return buyFromDealer(); },
                                 [this](const SellToDealer&) {
                                   if (m_front == Front::GunDealer)
                                     m_gunDealer.Sell();
                                   else
                                     return m_carDealer.Sell();
                                   return Task<>();
                                 },
                                 [this](const LeaveDealer&) {
                                   m_front = Front::Main;
                                   return Task<>();
                                 },
                                 [this](const SetPayment& a) {
                                   m_loan.setText(a.text);
                                   return Task<>();
                                 },
                                 [this](const StepPayment& a) {
                                   m_loan.step(a.delta);
                                   return Task<>();
                                 },
                                 [this](const LeavePaymentField&) {
                                   m_loan.leaveField();
                                   return Task<>();
                                 },
                                 [this](const ConfirmPayment&) { return confirmPayment(); },
                                 [this](const CancelPayment&) {
                                   m_front = Front::Main;
                                   return Task<>();
                                 },
                                 [this](const PayOff&) {
                                   m_pursuit.Pay();
                                   return Task<>();
                                 },
                                 [this](const Run&) {
                                   m_pursuit.Run();
                                   return Task<>();
                                 },
                                 [this](const Fight&) {
                                   m_pursuit.Fight();
                                   return Task<>();
                                 },
                                 [this](const ClosePursuit&) {
                                   if (m_pursuit.closeVisible()) endPursuit();
                                   return Task<>();
                                 },
                                 [this](const ClosePursuitWindow&) { return closePursuitWindow(); },
                                 [](const Answer&) { return Task<>(); },
                                 [this](const Quit&) {
                                   Terminate();
                                   return Task<>();
                                 },
                             },
                             action);
    rule.start();
    if (!rule.done()) m_waiting.push_back(std::move(rule));
  }
  std::erase_if(m_waiting, [](const Task<>& rule) { return rule.done(); });
}

Task<> Game::visitGunDealer() {
  m_gunDealer.Open();
  m_front = Front::GunDealer;
  co_return;
}

Task<> Game::visitCarDealer() {
  m_carDealer.Open();
  m_front = Front::CarDealer;
  co_return;
}

Task<> Game::buyFromDealer() {
  bool bought = false;
  if (m_front == Front::GunDealer)
    bought = m_gunDealer.Buy();
  else
    bought = co_await m_carDealer.Buy();
  if (bought) m_front = Front::Main;
}

Task<> Game::newGame() {
  m_state.day = kFirstDay;
  m_state.carKind = kStartingCar;
  m_state.gunKind = kStartingGun;
  startgame();
  co_await streetevents(EventKind::Misc);
  if (!finished()) m_front = Front::Main;
}

int Game::freeLotRow() {
  auto& lots = m_state.possession;
  for (std::size_t i = 0; i < lots.size(); ++i)
    if (lots[i].empty()) return static_cast<int>(i);
  lots.push_back(Lot{});
  m_view.possessionHeaderFixed = true;
  return static_cast<int>(lots.size() - 1);
}

Game::Chasing Game::pursue(Pursuer who) {
  m_state.pursuerKind = who;
  m_pursuit.Begin();
  m_frontBeforePursuit = m_front;
  m_front = Front::Pursuit;
  return Chasing{*this};
}

void Game::endPursuit() {
  m_front = m_frontBeforePursuit;
  if (m_onPursuitClosed) std::exchange(m_onPursuitClosed, {}).resume();
}

Task<> Game::closePursuitWindow() {
  co_await m_pursuit.CloseWindow();
  if (!finished()) endPursuit();
}

}  // namespace quillmere
