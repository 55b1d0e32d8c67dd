// The pursuit encounter: the cops, the border patrol or Tony, answered by paying, running
// or fighting. One object serves every pursuit of the game, so what FormShow does not
// reset carries over to the next encounter.
#pragma once

#include <string>
#include <vector>

namespace quillmere {

class GameContext;  // game/context.h

enum class PursuitPicture { None, Cop, Tony };

class Pursuit {
 public:
  explicit Pursuit(GameContext& game) : m_game(game) {}

  void FormShow();
  void btn1Click();  // Pay
  void btn2Click();  // Run
  void btn3Click();  // Fight
  // Close: returns true, the screen closes.
  bool btnCloseClick();
  // Close Game: ends the program.
  void btnQuitClick();
  // A request to close the window (the Close button's own, or the window system's):
  // always lets it close, with the cheating penalty unless Close was pressed.
  void FormCloseQuery();

  bool closeAllowed() const { return m_closeAllowed; }
  const std::vector<std::string>& log() const { return m_log; }
  PursuitPicture picture() const { return m_picture; }
  bool payVisible() const { return m_payVisible; }
  bool payEnabled() const { return m_payEnabled; }
  bool runEnabled() const { return m_runEnabled; }
  bool fightEnabled() const { return m_fightEnabled; }
  bool closeVisible() const { return m_closeVisible; }
  bool quitVisible() const { return m_quitVisible; }

 private:
  void CopWin();
  void CopLose();
  void TonyWin();
  void TonyLose();
  // The encounter is over: the choices go, and Close (the player lives on) or Close Game
  // (the player is dead) comes.
  void Survive();
  void Die();

  GameContext& m_game;
  bool m_closeAllowed = false;
  std::vector<std::string> m_log;
  PursuitPicture m_picture = PursuitPicture::None;
  bool m_payVisible = true;
  bool m_payEnabled = true;
  bool m_runEnabled = true;
  bool m_fightEnabled = true;
  bool m_closeVisible = false;
  bool m_quitVisible = false;
};

}  // namespace quillmere
