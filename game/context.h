// What the game's reused dialogs (the pursuit, the dealers, the loan dialog) may reach of the
// game: its state, its random generator, the player, and the end of the game. Game is one;
// each dialog holds only this, so no dialog depends on Game.
#pragma once

#include "game/player.h"
#include "game/random.h"
#include "game/state.h"

namespace quillmere {

class GameContext {
 public:
  GameContext(Clock& clock, Player& player) : m_random(clock), m_player(player) {}
  GameContext(const GameContext&) = delete;
  GameContext& operator=(const GameContext&) = delete;

  GameState& state() { return m_state; }
  const GameState& state() const { return m_state; }
  Random& random() { return m_random; }
  Player& player() { return m_player; }

  // True once the game is over (the end screen is up) or the program is ending. From then on
  // every handler of the game and of its dialogs that would change the game does nothing.
  bool finished() const { return m_finished; }
  // Ends the program through the player, once.
  void Terminate() {
    if (m_terminated) return;
    m_terminated = m_finished = true;
    m_player.Terminate();
  }

 protected:
  ~GameContext() = default;

  GameState m_state;
  Random m_random;
  Player& m_player;
  bool m_finished = false;

 private:
  bool m_terminated = false;
};

}  // namespace quillmere
