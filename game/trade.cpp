// Buying and selling on the main screen.
#include "game/game.h"

namespace quillmere {

void Game::drug1MouseUp(int) {}
void Game::btnBuyClick() {}
void Game::drug2MouseUp(int) {}
void Game::btnSellClick() {}

}  // namespace quillmere
