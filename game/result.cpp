// The end of the game: the asset sum the end screen shows and hides in the bid code.
#include "game/result.h"

#include "game/game.h"

namespace quillmere {

Money AssetSum(const GameState& state) {
  return Saturate(std::int64_t{state.cash} + state.bank + state.carValue + state.gunValue -
                  state.debt);
}

void Game::EndGame() {
  m_result.shown = true;
  m_result.score = ToText(AssetSum(m_state));
  m_result.bidCode = EncryptString(m_result.score, m_random);
  m_finished = true;
  m_front = Front::End;
}

}  // namespace quillmere
