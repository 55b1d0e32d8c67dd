// What the game's reused dialogs (the pursuit, the dealers, the loan dialog) may reach of the
// game: its state and what the main screen shows, its random generator, the screen in front, the
// message box it waits on, and the end of the game. Game is one; each dialog holds only this, so no
// dialog depends on Game.
#pragma once

#include <coroutine>
#include <optional>
#include <utility>

#include "game/question.h"
#include "game/random.h"
#include "game/state.h"
#include "game/view.h"

namespace quillmere {

class GameContext {
 public:
  explicit GameContext(Clock& clock) : m_random(clock) {}
  GameContext(const GameContext&) = delete;
  GameContext& operator=(const GameContext&) = delete;

  GameState& state() { return m_state; }
  const GameState& state() const { return m_state; }
  MainView& view() { return m_view; }
  const MainView& view() const { return m_view; }
  Random& random() { return m_random; }

  Front front() const { return m_front; }
  // The message box the game waits on, if any: until it is answered, the game takes no
  // other action.
  const std::optional<Question>& question() const { return m_question; }

  // True once the game is over (the end screen is up) or the program is ending. From then on
  // every action that would change the game does nothing.
  bool finished() const { return m_finished; }
  // The program is to end.
  void Terminate() {
    m_finished = true;
    m_front = Front::Closed;
    m_question.reset();
  }

  // Awaited by a rule: the game stops until the player answers the box; true for Yes or OK.
  struct Asking {
    GameContext& game;
    Question question;
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> rule) {
      game.m_question = std::move(question);
      game.m_onAnswer = rule;
    }
    bool await_resume() const noexcept { return game.m_answer; }
  };
  Asking Ask(std::string text, DialogKind kind, DialogButtons buttons) {
    return {*this, Question{std::move(text), kind, buttons, false}};
  }
  Asking Tell(std::string text, DialogKind kind = DialogKind::Information) {
    return Ask(std::move(text), kind, DialogButtons::Ok);
  }
  Asking ConversionError(std::string text) {
    return {*this, Question{std::move(text), DialogKind::Error, DialogButtons::Ok, true}};
  }

 protected:
  ~GameContext() = default;

  // The player answered: the rule that asked goes on.
  void answer(bool yes) {
    if (!m_question) return;
    m_question.reset();
    m_answer = yes;
    std::exchange(m_onAnswer, {}).resume();
  }

  GameState m_state;
  MainView m_view;
  Random m_random;
  Front m_front = Front::Start;
  bool m_finished = false;

 private:
  std::optional<Question> m_question;
  std::coroutine_handle<> m_onAnswer;
  bool m_answer = false;
};

}  // namespace quillmere
