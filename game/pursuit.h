// The pursuit encounter: the cops, the border patrol or Tony, answered by paying, running
// or fighting. One object serves every pursuit of the game, so what Begin does not reset
// carries over to the next encounter.
#pragma once

#include <string>
#include <vector>

#include "game/task.h"

namespace quillmere {

class GameContext;  // game/context.h

enum class PursuitPicture { None, Cop, Tony };

class Pursuit {
 public:
  explicit Pursuit(GameContext& game) : m_game(game) {}

  // A new encounter with the pursuer the game has set.
  void Begin();
  void Pay();
  void Run();
  void Fight();
  // A close through the window system: the screen always closes, with the cheating penalty.
  Task<> CloseWindow();

  // How many encounters have begun: a new one is a new showing of the screen.
  int encounters() const { return m_encounters; }
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
  int m_encounters = 0;
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
