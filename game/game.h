// The engine's front door: one game, its state, its random generator and every rule.
// Every move of the player reaches it as an Action through Act; where a rule needs the
// player, the game stops and says what it waits for (question(), front()), and the answer
// comes as an action too. A screen sends actions and redraws from state().
#pragma once

#include <vector>

#include "game/action.h"
#include "game/context.h"
#include "game/dealers.h"
#include "game/loan.h"
#include "game/pursuit.h"
#include "game/result.h"
#include "game/task.h"

namespace quillmere {

class Game : public GameContext {
 public:
  explicit Game(Clock& clock);

  // Takes one action of the player. An action that is not for the screen in front, or any
  // but an Answer while a message box is up, does nothing.
  void Act(const Action& action);
  // Whether Act would take this action now.
  bool Accepts(const Action& action) const;

  // The reused screens' own state.
  const Pursuit& pursuit() const { return m_pursuit; }
  const GunDealer& gunDealer() const { return m_gunDealer; }
  const CarDealer& carDealer() const { return m_carDealer; }
  const LoanDialog& loan() const { return m_loan; }
  const GameResult& result() const { return m_result; }

 private:
  // The two kinds of street-event roll: after a trip to Tijuana, and after any other.
  enum class EventKind { Misc, Tj };
  struct Outcome;

  // One rule per action.
  Task<> newGame();
  Task<> pickGood(int row);
  Task<> buy();
  Task<> pickLot(int row);
  Task<> sell();
  Task<> payTonyAll();
  Task<> payTonySome();
  Task<> seeDoctor();
  Task<> travel(Place place);
  Task<> visitGunDealer();
  Task<> visitCarDealer();
  Task<> buyFromDealer();
  Task<> confirmPayment();
  Task<> closePursuitWindow();

  // The rules' own steps.
  void startgame();
  void randomdrugs();
  void getinfo(int good, Money price);
  void NewDay(int periods);
  void dailygrind();
  void EndGame();
  Task<> streetevents(EventKind kind);
  Task<> mugging();
  Task<> copchase();
  Task<> ladies();
  Task<> familyoffer();
  Task<> borderreturn();
  Task<> tonychase();
  // The first possession row that is free for a new lot, added at the bottom when none is.
  int freeLotRow();

  // The pursuit screen comes to the front for a pursuer; the rule goes on once it closes.
  struct Chasing {
    Game& game;
    bool await_ready() const noexcept { return game.finished(); }
    void await_suspend(std::coroutine_handle<> rule) { game.m_onPursuitClosed = rule; }
    void await_resume() const noexcept {}
  };
  Chasing pursue(Pursuer who);
  // The pursuit screen closes and the rule that opened it goes on.
  void endPursuit();

  Pursuit m_pursuit{*this};
  GunDealer m_gunDealer{*this};
  CarDealer m_carDealer{*this};
  LoanDialog m_loan{*this};
  GameResult m_result;

  // The rules that stopped for the player, kept until they end.
  std::vector<Task<>> m_waiting;
  std::coroutine_handle<> m_onPursuitClosed;
  Front m_frontBeforePursuit = Front::Main;
};

}  // namespace quillmere
