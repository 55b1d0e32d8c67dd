// A new game, the market of the day and the info panel.
#include "game/game.h"

namespace quillmere {

void Game::startgame() {}
void Game::randomdrugs() {}
void Game::getinfo(int, Money) {}

}  // namespace quillmere
